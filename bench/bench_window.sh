#!/usr/bin/env bash
# Measures the window's performance under Wine on a virtual display of its
# own: start to the end of the first WM_PAINT against a minimal window
# program built the same way, F5 to the verdict inside the process, and the
# size of Peravin.exe. Needs the windows preset built; builds nothing.
#   bench/bench_window.sh [starts per program]
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/windows
for f in "$build/Peravin.exe" "$build/bench/minimal_window.exe" "$build/bench/startup_timing.exe" \
         "$build/bench/window_timing.exe"; do
  [ -f "$f" ] || { echo "missing $f: build the windows preset first"; exit 1; }
done

source "$root/scripts/wine_env.sh"
trap wine_cleanup EXIT
wine_prefix_new
xvfb_start || exit 1

desktop="explorer /desktop=peravin-bench,1280x900"
$WINE $desktop "$build/bench/startup_timing.exe" "$build/Peravin.exe" "$build/bench/minimal_window.exe" "${1:-15}"
"$WINESERVER" -w
$WINE $desktop "$build/bench/window_timing.exe" 200
"$WINESERVER" -w
size=$(stat -c %s "$build/Peravin.exe")
echo "Peravin.exe: $size bytes, $((size / 1024)) KiB (target at most 512 KiB)"
