#!/usr/bin/env bash
# Operates the real programs under Wine on a virtual display of their own:
# the driver starts a program for each of its cases and works it as a user
# would, every program it has cases for in turn. The launcher and the
# tallest tool run on the ward's 1366 x 768 screen; the tallest tool once
# more at 144 DPI on a 1920 x 1080 screen.
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
xvfb_start 1920x1080 || { echo "0 passed, 1 failed"; exit 1; }
programs=()
while read -r exe; do
  programs+=("$build/${exe%$''}")
done < <("$WINE" "$driver" --programs)
for f in "${programs[@]}"; do
  [ -f "$f" ] || { echo "missing $f: build the windows preset first"; echo "0 passed, 1 failed"; exit 1; }
done

# The desktop a program runs on: the launcher and the tallest tool on the
# ward's screen.
desktop_of() {
  case $(basename "$1") in
    TolmMedSuite.exe | Nihss.exe) echo 1366x768 ;;
    *) echo 1280x900 ;;
  esac
}

passed=0
failed=0
# The desktop gives the window its frame, as on a real screen. It does not
# hand back the driver's exit code, so the driver's closing line decides.
run_driver() {  # EXE DESKTOP NAME [filter]
  local log summary p f
  log=$(mktemp)
  "$WINE" explorer "/desktop=peravin-e2e-$3,$2" "$driver" "$1" "${@:4}" | tee "$log"
  "$WINESERVER" -w
  summary=$(grep -aE '^[0-9]+ passed, [0-9]+ failed$' "$log" | tail -1)
  rm -f "$log"
  if [ -z "$summary" ]; then
    echo "the driver ended without its closing line for $(basename "$1")"
    failed=$((failed + 1))
    return
  fi
  read -r p _ f _ <<<"$summary"
  passed=$((passed + p))
  failed=$((failed + f))
}

for i in "${!programs[@]}"; do
  run_driver "${programs[$i]}" "$(desktop_of "${programs[$i]}")" "$i" "$@"
done

# At 144 DPI everything scales, and a window too tall for the screen
# becomes compact: every control stays on it.
if [ $# -eq 0 ] || [[ screen_every_control_stays_on_screen == *"$1"* ]]; then
  "$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
  "$WINESERVER" -w
  run_driver "$build/Nihss.exe" 1920x1080 dpi screen_every_control_stays_on_screen
fi
echo "window: $passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
