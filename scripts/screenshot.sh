#!/usr/bin/env bash
# Takes a picture of a program's window on a virtual display of its own, a
# tool's after one calculation with the default inputs, the launcher's
# (TolmMedSuite.exe) as it opens, and writes it as PNG:
#   scripts/screenshot.sh OUT.png [PROGRAM.exe]   (default Peravin.exe)
# Needs the windows preset built (build/windows), Wine, Xvfb and ImageMagick.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:?usage: scripts/screenshot.sh OUT.png [PROGRAM.exe]}
exe=$root/build/windows/${2:-Peravin.exe}
helper=$root/build/windows/peravin_screenshot.exe
for f in "$exe" "$helper"; do
  [ -f "$f" ] || { echo "missing $f: build the windows preset first" >&2; exit 1; }
done

source "$root/scripts/wine_env.sh"
trap wine_cleanup EXIT
wine_prefix_new
xvfb_start
bmp=$(dirname "$WINEPREFIX")/window.bmp
# The desktop draws the window's frame and caption.
"$WINE" explorer /desktop=peravin-shot,1280x900 "$helper" "$exe" "Z:${bmp//\//\\}"
"$WINESERVER" -w
[ -s "$bmp" ] || { echo "no picture was taken" >&2; exit 1; }
mkdir -p "$(dirname "$out")"
convert "$bmp" "$out"
echo "$out"
