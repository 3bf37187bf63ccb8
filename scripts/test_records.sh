#!/usr/bin/env bash
# The record log under Wine: the file mechanics test program in a private
# prefix, then the record cases of the window driver (tests/e2e/window.sh
# gives them their own prefix and virtual display).
# Needs the windows preset built (build/windows) and Xvfb; builds nothing.
#   scripts/test_records.sh  (the full test run covers the same through ctest and tests/e2e/window.sh)
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
tests=$root/build/windows/tests/records/record_file_tests.exe
[ -f "$tests" ] || { echo "missing $tests: build the windows preset first"; echo "0 passed, 1 failed"; exit 1; }

passed=0
failed=0
log=$(mktemp)

# Each test's line from GoogleTest counts as one case.
(
  source "$root/scripts/wine_env.sh"
  trap wine_cleanup EXIT
  wine_prefix_new
  # Windows line ends, read here without the carriage returns.
  "$WINE" "$tests" 2>&1 | tr -d '\r' >"$log"
  "$WINESERVER" -w
)
grep -E '^\[ +(OK|FAILED|SKIPPED) +\] .* \([0-9]+ ms\)$' "$log"
passed=$((passed + $(grep -cE '^\[ +OK +\] ' "$log")))
failed=$((failed + $(grep -cE '^\[ +FAILED +\] .* \([0-9]+ ms\)$' "$log")))
if ! grep -qE '^\[ +PASSED +\] [0-9]+ test' "$log" && ! grep -qE '^\[ +FAILED +\]' "$log"; then
  echo "record_file_tests ended without its summary"
  tail -20 "$log"
  failed=$((failed + 1))
fi

# The window driver's record cases; its last line sums them up.
"$root/tests/e2e/window.sh" record_ | tee "$log"
summary=$(grep -E '[0-9]+ passed, [0-9]+ failed$' "$log" | tail -1 | grep -oE '[0-9]+ passed, [0-9]+ failed$')
if [ -n "$summary" ]; then
  read -r p _ f _ <<<"$summary"
  passed=$((passed + p))
  failed=$((failed + f))
  [ "$p" -gt 0 ] || { echo "no record case ran"; failed=$((failed + 1)); }
else
  failed=$((failed + 1))
fi
rm -f "$log"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
