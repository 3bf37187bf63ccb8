#!/usr/bin/env bash
# Each program of the tool family runs its self-test under Wine and writes,
# byte for byte, the report the native build writes for the same tool, whose
# title and category the package list names. The launcher (no category) is
# no tool. Expects build/windows and build/native to be built.
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/scripts/wine_env.sh"
passed=0
failed=0
work=$(mktemp -d)
wine_prefix_new
cd "$work" || exit 1
while IFS='|' read -r exe title category; do
  [ -n "$exe" ] && [ -n "$category" ] || continue  # the launcher has no category
  program=${exe%.exe}
  wine_run "$root/build/windows/$exe" --selftest "$program.win.txt"
  rc=$?
  "$root/build/native/tests/catalogue" selftest "$program" "$program.native.txt"
  if [ "$rc" -eq 0 ] && cmp -s "$program.win.txt" "$program.native.txt" &&
     head -1 "$program.win.txt" | tr -d '\r' | grep -q "^TOOL|[0-9]*|$title|$category\$"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED: $exe (exit $rc)"
    diff <(cat -A "$program.win.txt") <(cat -A "$program.native.txt") | head -5
  fi
done <"$root/build/windows/programs.txt"
wine_cleanup
cd / && rm -rf "$work"
echo "tool family: $passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -ge "$(grep -cE '^[^|]+\|[^|]*\|.+$' "$root/build/windows/programs.txt")" ]
