#!/usr/bin/env bash
# Operates the real programs under Wine on a virtual display of their own:
# the driver starts a program for each of its cases and works it as a user
# would, every program it has cases for in turn; the launcher, which opens
# the tools beside it, on the ward's 1366 x 768 screen.
# Needs the windows preset built (build/windows) and Xvfb; builds nothing.
#   tests/e2e/window.sh [part of a case name]
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$root/build/windows
driver=$build/peravin_driver.exe
[ -f "$driver" ] || { echo "missing $driver: build the windows preset first"; echo "0 passed, 1 failed"; exit 1; }

source "$root/scripts/wine_env.sh"
trap wine_cleanup EXIT
wine_prefix_new
# Room for every desktop.
xvfb_start 1366x900 || { echo "0 passed, 1 failed"; exit 1; }
programs=()
while read -r exe; do
  programs+=("$build/${exe%$''}")
done < <("$WINE" "$driver" --programs)
for f in "${programs[@]}"; do
  [ -f "$f" ] || { echo "missing $f: build the windows preset first"; echo "0 passed, 1 failed"; exit 1; }
done

# The desktop a program runs on: the launcher on the ward's screen.
desktop_of() {
  case $(basename "$1") in
    TolmMedSuite.exe) echo 1366x768 ;;
    *) echo 1280x900 ;;
  esac
}

# The desktop gives the window its frame, as on a real screen. It does not
# hand back the driver's exit code, so the driver's closing line decides.
passed=0
failed=0
for i in "${!programs[@]}"; do
  exe=${programs[$i]}
  log=$(mktemp)
  "$WINE" explorer "/desktop=peravin-e2e-$i,$(desktop_of "$exe")" "$driver" "$exe" "$@" | tee "$log"
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
