#!/usr/bin/env bash
# Shows that the calculation run, EvaluateFormula and the reports never touch the heap: the
# probe's allocation count under valgrind is the same for 0 and 100 runs.
# Expects build/native to be built.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
probe=$root/build/native/bench/allocation_probe
allocs() {
  valgrind --error-exitcode=9 "$probe" "$1" 2>&1 | sed -n 's/.*total heap usage: \([0-9,]*\) allocs.*/\1/p' | tr -d ,
}
none=$(allocs 0)
many=$(allocs 100)
echo "allocations: $none with no run, $many after 100 runs"
if [ -n "$none" ] && [ "$none" = "$many" ]; then
  echo "allocations: 1 passed, 0 failed"
else
  echo "allocations: 0 passed, 1 failed"
  exit 1
fi
