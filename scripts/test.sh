#!/usr/bin/env bash
# The one test command: installs what is missing, builds every preset and
# runs every test through CTest: native (unit, fuzz, alloc), sanitizers
# (unit), and the Windows programs under Wine (wine, e2e). Ends with one line
# that sums up the counts.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh || exit 1
bash scripts/build.sh native windows || exit 1
# Under the sanitizers only the tests are wanted.
cmake --preset asan >/dev/null && cmake --build --preset asan -j"$(nproc)" --target unit_tests record_file_tests || exit 1

passed=0
failed=0
summary=""
for preset in native asan windows; do
  echo "== ctest --preset $preset"
  log=$(mktemp)
  # Two at a time: the end-to-end scripts each have a Wine prefix and a
  # virtual display of their own.
  ctest --preset "$preset" -j2 2>&1 | tee "$log"
  line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -1)
  rm -f "$log"
  if [ -z "$line" ]; then
    failed=$((failed + 1))
    summary+=" $preset: no result;"
    continue
  fi
  f=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<<"$line")
  n=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\2/' <<<"$line")
  passed=$((passed + n - f))
  failed=$((failed + f))
  summary+=" $preset $((n - f))/$n;"
done

echo "tests: $passed passed, $failed failed (${summary# })"
[ "$failed" -eq 0 ]
