#!/usr/bin/env bash
# Runs Peravin's window under Wine.
# With a display ($DISPLAY set): opens the window there, in the prefix
# $WINEPREFIX (default ~/.peravin-wine, made on first use).
# Without one: runs it on a virtual display, calculates once with the default
# inputs, writes a screenshot to the path it prints (default
# build/window-screenshot.png, or the first argument) and closes the window.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
exe=$root/build/windows/Peravin.exe
if [ ! -f "$exe" ] || [ ! -f "$root/build/windows/peravin_screenshot.exe" ]; then
  (cd "$root" && cmake --preset windows >/dev/null && cmake --build --preset windows -j2 >/dev/null)
fi

if [ -n "${DISPLAY:-}" ]; then
  source "$root/scripts/wine_env.sh"
  export WINEPREFIX=${WINEPREFIX:-$HOME/.peravin-wine}
  [ -d "$WINEPREFIX" ] || wine_prefix_prepare
  exec "$WINE" "$exe"
fi

out=${1:-$root/build/window-screenshot.png}
"$root/scripts/screenshot.sh" "$out" >/dev/null
echo "screenshot: $out"
