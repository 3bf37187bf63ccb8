#!/usr/bin/env bash
# Each program's version record as Windows reads it (Explorer's Details tab,
# Task Manager): the file description is the tool's title as the package
# list gives it, the product the suite's name, and a copyright line. Read
# under Wine by a small Windows program through the version API.
# Needs the windows preset built (build/windows, or PERAVIN_WINDOWS_BUILD);
# needs no display.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${PERAVIN_WINDOWS_BUILD:-$root/build/windows}
# shellcheck source-path=SCRIPTDIR/../..
source "$root/scripts/wine_env.sh"
unset DISPLAY

product='TolmMed Suite 临床工具箱'
copyright='© 2026 TolmMed'

reader=$build/peravin_version_record.exe
list=$build/programs.txt
for f in "$reader" "$list"; do
  [ -f "$f" ] || { echo "missing $f: build the windows preset first"; echo "version record: 0 passed, 1 failed"; exit 1; }
done

tmp=$(mktemp -d /tmp/peravin-version.XXXXXX)
trap 'wine_cleanup; rm -rf "$tmp"' EXIT
wine_prefix_new

win_path() { printf 'Z:%s' "${1//\//\\}"; }
exes=()
while IFS='|' read -r exe _; do [ -n "$exe" ] && exes+=("$(win_path "$build/$exe")"); done <"$list"
"$WINE" "$reader" "${exes[@]}" | tr -d '\r' >"$tmp/records.txt"

passed=0 failed=0
while IFS='|' read -r exe title _; do
  [ -n "$exe" ] || continue
  expected="$exe|$title|$product|$copyright"
  actual=$(awk -F'|' -v exe="$exe" '$1 == exe { print; exit }' "$tmp/records.txt")
  if [ "$actual" = "$expected" ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAIL $exe: \"$actual\", expected \"$expected\""
  fi
done <"$list"
echo "version record: $passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
