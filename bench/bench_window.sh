#!/usr/bin/env bash
# Measures the windows' performance under Wine on a virtual display of its
# own: start to the end of the first WM_PAINT against a minimal window
# program built the same way (Peravin, a tool of fifteen lists, and Peravin
# at 144 DPI); F5 to the verdict repainted against a minimal window that sets
# the same two texts; a key in the launcher's search to its list repainted;
# the exes' sizes. Needs the windows preset built; builds nothing.
#   bench/bench_window.sh [starts per program] [earlier Peravin.exe to compare]
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/windows
for f in "$build/Peravin.exe" "$build/Nihss.exe" "$build/bench/minimal_window.exe" "$build/bench/startup_timing.exe" \
         "$build/bench/window_timing.exe" "$build/bench/launcher_timing.exe"; do
  [ -f "$f" ] || { echo "missing $f: build the windows preset first"; exit 1; }
done
starts=${1:-15}

source "$root/scripts/wine_env.sh"
trap wine_cleanup EXIT
wine_prefix_new
xvfb_start || exit 1

desktop="explorer /desktop=peravin-bench,1280x900"
start() {  # PROGRAM YARDSTICK [PROBE ROW]
  $WINE $desktop "$build/bench/startup_timing.exe" "$1" "$2" "$starts" "${@:3}"
  "$WINESERVER" -w
}
start "$build/Peravin.exe" "$build/bench/minimal_window.exe"
echo "fifteen lists against Peravin's three boxes:"
start "$build/Nihss.exe" "$build/Peravin.exe"
# An earlier build's window was taller than its picture: the footer is
# probed where both paint it.
if [ -n "${2:-}" ]; then
  echo "this Peravin against an earlier one ($2):"
  start "$build/Peravin.exe" "$2" 700
fi
tool=$($WINE $desktop "$build/bench/window_timing.exe" 200 | tee /dev/stderr | sed -n 's/^MEDIAN //p' | tr -d '\r')
"$WINESERVER" -w
yardstick=$($WINE $desktop "$build/bench/window_timing.exe" 200 minimal | tee /dev/stderr | sed -n 's/^MEDIAN //p' | tr -d '\r')
"$WINESERVER" -w
awk -v t="$tool" -v m="$yardstick" 'BEGIN { if (m > 0) printf "F5 to verdict repainted, tool / minimal: %.2f (aim at most 1.2)\n", t / m }'
$WINE $desktop "$build/bench/launcher_timing.exe" 20
"$WINESERVER" -w
echo "at 144 DPI:"
"$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
"$WINESERVER" -w
start "$build/Peravin.exe" "$build/bench/minimal_window.exe"
for exe in Peravin Nihss Caprini TolmMedSuite; do
  size=$(stat -c %s "$build/$exe.exe")
  echo "$exe.exe: $size bytes, $((size / 1024)) KiB (target under 512 KiB)"
done
