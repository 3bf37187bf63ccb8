# Sourced by the scripts that run Windows programs under Wine. Gives each run
# a private prefix (with the Chinese font replacements) and, on request, a
# virtual display of its own.
#   source scripts/wine_env.sh
#   wine_prefix_new            # sets WINEPREFIX to a fresh prefix
#   wine_prefix_prepare        # sets up the prefix already in WINEPREFIX
#   xvfb_start [WIDTHxHEIGHT]  # sets DISPLAY to a new Xvfb display (1280x900)
#   wine_run prog.exe args...  # runs a program in the prefix
#   wine_cleanup               # stops the server, the display, removes the prefix

WINE=${WINE:-/usr/lib/wine/wine64}
WINESERVER=${WINESERVER:-/usr/lib/wine/wineserver}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="

_wine_tmp=""
_xvfb_pid=""

wine_prefix_new() {
  _wine_tmp=$(mktemp -d /tmp/peravin-wine.XXXXXX)
  export WINEPREFIX=$_wine_tmp/prefix
  wine_prefix_prepare
}

# Creates the prefix $WINEPREFIX with the font replacements.
wine_prefix_prepare() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  "$WINE" wineboot -i >/dev/null 2>&1 || true
  "$WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Microsoft YaHei UI' /d 'WenQuanYi Micro Hei' /f >/dev/null 2>&1
  "$WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Consolas' /d 'WenQuanYi Micro Hei Mono' /f >/dev/null 2>&1
  # Captions and message boxes draw in Tahoma, which has no Chinese.
  "$WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Tahoma' /d 'WenQuanYi Micro Hei' /f >/dev/null 2>&1
  # The caption buttons' symbols come from Marlett, which this Wine does not
  # load from fonts-wine by itself; without it they read "0 1 r".
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
  cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  "$WINESERVER" -w
  # Wine links the user's desktop folder to the Linux home; a folder of its
  # own keeps the shortcuts an installer puts there inside the prefix.
  local desktop
  desktop=$WINEPREFIX/drive_c/users/$(id -un)/Desktop
  if [ -L "$desktop" ]; then rm "$desktop" && mkdir "$desktop"; fi
}

# The local application-data folder of the prefix, on the Linux side.
wine_local_appdata() {
  echo "$WINEPREFIX/drive_c/users/$(id -un)/AppData/Local"
}

xvfb_start() {
  # Xvfb picks a free display itself, so parallel runs never collide.
  local fifo n
  fifo=$(mktemp -u /tmp/peravin-xvfb.XXXXXX)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "${1:-1280x900}x24" -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  _xvfb_pid=$!
  read -r n <"$fifo"
  rm -f "$fifo"
  [ -n "$n" ] || { echo "Xvfb did not start" >&2; return 1; }
  export DISPLAY=:$n
}

wine_run() {
  "$WINE" "$@"
}

# Safe under set -e: a server or display already gone is no failure.
wine_cleanup() {
  if [ -n "${WINEPREFIX:-}" ]; then "$WINESERVER" -k >/dev/null 2>&1 || true; fi
  if [ -n "$_xvfb_pid" ]; then kill "$_xvfb_pid" 2>/dev/null || true; fi
  if [ -n "$_wine_tmp" ]; then rm -rf "$_wine_tmp"; fi
  _xvfb_pid=""
  _wine_tmp=""
}
