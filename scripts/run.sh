#!/usr/bin/env bash
# Installs what is missing, builds, and runs the program under Wine:
#   scripts/run.sh [PROGRAM.exe]     (default Peravin.exe)
# With a display ($DISPLAY set) the window opens there, in the prefix
# $WINEPREFIX (default ~/.peravin-wine, made on first use). Without one it
# runs on a virtual display, calculates once with the default inputs, writes
# a screenshot (build/window-screenshot.png) and prints its path.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh
bash scripts/build.sh native windows
program=${1:-Peravin.exe}

if [ -n "${DISPLAY:-}" ]; then
  source scripts/wine_env.sh
  export WINEPREFIX=${WINEPREFIX:-$HOME/.peravin-wine}
  [ -d "$WINEPREFIX" ] || wine_prefix_prepare
  exec "$WINE" "build/windows/$program"
fi

out=$root/build/window-screenshot.png
scripts/screenshot.sh "$out" "$program" >/dev/null
echo "screenshot: $out"
