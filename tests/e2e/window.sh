#!/usr/bin/env bash
# Operates the real Peravin.exe under Wine on a virtual display of its own:
# the driver starts the program for each case and works it as a user would.
# Needs the windows preset built (build/windows) and Xvfb; builds nothing.
#   tests/e2e/window.sh [part of a case name]
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
exe=$root/build/windows/Peravin.exe
driver=$root/build/windows/peravin_driver.exe
for f in "$exe" "$driver"; do
  [ -f "$f" ] || { echo "missing $f: build the windows preset first"; echo "0 passed, 1 failed"; exit 1; }
done

source "$root/scripts/wine_env.sh"
trap wine_cleanup EXIT
wine_prefix_new
xvfb_start || { echo "0 passed, 1 failed"; exit 1; }

# The desktop gives the window its frame, as on a real screen. It does not
# hand back the driver's exit code, so the driver's closing line decides.
log=$(mktemp)
"$WINE" explorer /desktop=peravin-e2e,1280x900 "$driver" "$exe" "$@" | tee "$log"
"$WINESERVER" -w
summary=$(grep -E '^[0-9]+ passed, [0-9]+ failed$' "$log" | tail -1)
rm -f "$log"
if [ -z "$summary" ]; then
  echo "the driver ended without its closing line"
  echo "0 passed, 1 failed"
  exit 1
fi
[[ $summary == *" 0 failed" ]]
