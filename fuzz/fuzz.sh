#!/usr/bin/env bash
# Builds the formula fuzzer (clang, libFuzzer with ASan and UBSan) and runs it
# for a bounded time: fuzz/fuzz.sh [seconds] (default 60).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
out=$root/build/fuzz
mkdir -p "$out" "$out/corpus"
clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -I"$root" "$root/fuzz/formula_fuzz.cpp" "$root/engine/formula.cpp" -o "$out/formula_fuzz"
cp -n "$root"/fuzz/corpus/* "$out/corpus/" 2>/dev/null || true
"$out/formula_fuzz" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 -artifact_prefix="$out/" \
  "$out/corpus" 2>&1 | tee "$out/last_run.log" | grep -E '^(#[0-9]+ *DONE|stat::number_of_executed_units|==[0-9]+==ERROR|SUMMARY)' || true
if grep -qE '==[0-9]+==ERROR|^SUMMARY|deadly signal' "$out/last_run.log"; then
  echo "fuzz: the fuzzer found a fault; see $out/last_run.log" >&2
  exit 1
fi
echo "fuzz: no fault in ${seconds} s"
