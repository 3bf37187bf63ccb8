# Sourced by the scripts that run Windows programs under Wine. Gives each run
# a private prefix (with the Chinese font replacements) and, on request, a
# virtual display of its own.
#   source scripts/wine_env.sh
#   wine_prefix_new            # sets WINEPREFIX to a fresh prefix
#   xvfb_start                 # sets DISPLAY to a new Xvfb display
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
  "$WINE" wineboot -i >/dev/null 2>&1 || true
  "$WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Microsoft YaHei UI' /d 'WenQuanYi Micro Hei' /f >/dev/null 2>&1
  "$WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Consolas' /d 'WenQuanYi Micro Hei Mono' /f >/dev/null 2>&1
  "$WINESERVER" -w
}

# The local application-data folder of the prefix, on the Linux side.
wine_local_appdata() {
  echo "$WINEPREFIX/drive_c/users/$(id -un)/AppData/Local"
}

xvfb_start() {
  local n
  for n in $(seq 90 140); do
    if [ ! -e /tmp/.X$n-lock ] && [ ! -e /tmp/.X11-unix/X$n ]; then
      Xvfb :$n -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
      _xvfb_pid=$!
      export DISPLAY=:$n
      for _ in $(seq 50); do
        xdpyinfo >/dev/null 2>&1 && return 0
        sleep 0.1
      done
      kill $_xvfb_pid 2>/dev/null
    fi
  done
  echo "no free X display" >&2
  return 1
}

wine_run() {
  "$WINE" "$@"
}

wine_cleanup() {
  [ -n "${WINEPREFIX:-}" ] && "$WINESERVER" -k >/dev/null 2>&1
  [ -n "$_xvfb_pid" ] && kill "$_xvfb_pid" 2>/dev/null
  [ -n "$_wine_tmp" ] && rm -rf "$_wine_tmp"
  _xvfb_pid=""
  _wine_tmp=""
}
