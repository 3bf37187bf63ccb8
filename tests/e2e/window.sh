#!/usr/bin/env bash
# Operates the real programs under Wine on a virtual display of their own:
# the driver starts a program for each of its cases and works it as a user
# would: Peravin.exe, the compatibility tool of the family, and the
# launcher, which opens the tools beside it, on the ward's 1366 x 768 screen.
# Needs the windows preset built (build/windows) and Xvfb; builds nothing.
#   tests/e2e/window.sh [part of a case name]
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$root/build/windows
# Each program with the size of the desktop it runs on.
programs=("$build/Peravin.exe" "$build/CompatibilityCheck.exe" "$build/TolmMedSuite.exe")
desktops=(1280x900 1280x900 1366x768)
driver=$build/peravin_driver.exe
for f in "${programs[@]}" "$driver"; do
  [ -f "$f" ] || { echo "missing $f: build the windows preset first"; echo "0 passed, 1 failed"; exit 1; }
done

source "$root/scripts/wine_env.sh"
trap wine_cleanup EXIT
wine_prefix_new
# Room for every desktop.
xvfb_start 1366x900 || { echo "0 passed, 1 failed"; exit 1; }

# The desktop gives the window its frame, as on a real screen. It does not
# hand back the driver's exit code, so the driver's closing line decides.
passed=0
failed=0
for i in "${!programs[@]}"; do
  exe=${programs[$i]}
  log=$(mktemp)
  "$WINE" explorer "/desktop=peravin-e2e-$i,${desktops[$i]}" "$driver" "$exe" "$@" | tee "$log"
  "$WINESERVER" -w
  summary=$(grep -E '^[0-9]+ passed, [0-9]+ failed$' "$log" | tail -1)
  rm -f "$log"
  if [ -z "$summary" ]; then
    echo "the driver ended without its closing line for $(basename "$exe")"
    failed=$((failed + 1))
    continue
  fi
  read -r p _ f _ <<<"$summary"
  passed=$((passed + p))
  failed=$((failed + f))
done
echo "window: $passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
