#!/usr/bin/env bash
# The one test command: installs what is missing, builds every preset and
# runs every test (native, sanitizers, the Windows programs under Wine, the
# end-to-end scripts, a bounded fuzz run and the allocation check).
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh || exit 1
bash scripts/build.sh native asan windows || exit 1

passed=0
failed=0
step() {  # step NAME COMMAND...
  local name=$1
  shift
  echo "== $name"
  if "$@"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "== FAILED: $name"
  fi
}

windows_unit_tests() {
  source scripts/wine_env.sh
  wine_prefix_new
  ctest --preset windows
  local rc=$?
  wine_cleanup
  return $rc
}

step "native unit tests" ctest --preset native
step "sanitizer unit tests" ctest --preset asan
step "Windows unit tests under Wine" windows_unit_tests
for script in tests/e2e/*.sh; do
  step "end to end: $(basename "$script" .sh)" bash "$script"
done
step "formula fuzzing (bounded)" bash scripts/fuzz.sh "${PERAVIN_FUZZ_SECONDS:-30}"
step "no heap allocation in the calculation" bash scripts/check_allocations.sh

echo "test steps: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
