#!/usr/bin/env bash
# The self-test from the command line, as a ward's IT would run it: the
# Windows program under Wine and the native program, byte for byte.
# Expects build/windows and build/native to be built.
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/scripts/wine_env.sh"
source "$root/tests/support/checks.sh"


expected=$(mktemp)
printf 'TOOL|261|Peravin|营养支持\r\nLEVEL|0\r\nOUT|葡萄糖输注速率|1.67|mg/kg/min\r\nOUT|每日葡萄糖|144.0|g\r\nVERDICT|GIR 在合理范围\r\nDETAIL|葡萄糖输注速率：1.67 mg/kg/min 每日葡萄糖：144.0 g \r\nERRORS|0\r\n' >"$expected"

same_as_expected() { cmp -s "$expected" "$1"; }
absent() { [ ! -e "$1" ]; }
code_is() { [ "$1" = "$2" ]; }

# run_cases LABEL RUNNER: RUNNER runs the program with the given arguments in the current folder.
run_cases() {
  local label=$1 runner=$2 work rc
  work=$(mktemp -d)
  cd "$work" || return

  $runner --selftest; rc=$?
  check "$label: no path gives selftest.txt here" same_as_expected selftest.txt
  check "$label: exit code 0" code_is $rc 0

  $runner --selftest '   '; rc=$?
  check "$label: switch and spaces" same_as_expected selftest.txt

  mkdir -p "My Reports"
  $runner --selftest "My Reports/out.txt"; rc=$?
  check "$label: quoted path with a space" same_as_expected "My Reports/out.txt"

  $runner --selftest missing-folder/out.txt; rc=$?
  check "$label: missing folder exits 3" code_is $rc 3
  check "$label: missing folder writes nothing" absent missing-folder

  head -c 20000 /dev/zero | tr '\0' x >twice.txt
  $runner --selftest twice.txt >/dev/null
  $runner --selftest twice.txt; rc=$?
  check "$label: running twice leaves only the second report" same_as_expected twice.txt

  $runner --selftest=eq.txt; rc=$?
  check "$label: the path starts right after the switch" same_as_expected =eq.txt

  cd "$root" || return
  rm -rf "$work"
}

# The native program joins its arguments into one command line, quoting those with spaces.
native() { "$root/build/native/peravin" "$@"; }
windows() { wine_run "$root/build/windows/Peravin.exe" "$@"; }

run_cases native native
native 2>/dev/null; rc=$?
check "native: window mode needs Windows" code_is $rc 1

wine_prefix_new
run_cases windows windows
wine_cleanup

exe="$root/build/windows/Peravin.exe"
objdump=x86_64-w64-mingw32-objdump
check "Peravin.exe is a GUI program" bash -c "$objdump -p '$exe' | grep -q 'Subsystem.*(Windows GUI)'"
dlls=$($objdump -p "$exe" | awk '/DLL Name/ {print $3}' | tr 'a-z' 'A-Z' | sort | tr '\n' ' ')
windows_own() {
  local dll
  for dll in $dlls; do
    case $dll in KERNEL32.DLL|USER32.DLL|GDI32.DLL|SHELL32.DLL|MSVCRT.DLL|ADVAPI32.DLL|COMCTL32.DLL|OLE32.DLL) ;; *) echo "imports $dll"; return 1 ;; esac
  done
}
check "Peravin.exe imports only Windows' own DLLs ($dlls)" windows_own
# Resources: icon images, one icon group, the version record; no manifest.
types=$($objdump -p "$exe" | sed -n '/The .rsrc Resource Directory/,$p' | sed -n 's/^0[0-9a-f]*   Entry: ID: 0x\([0-9a-f]*\),.*/\1/p' | tr '\n' ' ')
check "Peravin.exe holds icons, an icon group and a version record only ($types)" test "$types" = "000003 00000e 000010 "
icons=$($objdump -p "$exe" | sed -n '/The .rsrc Resource Directory/,$p' | sed -n '4s/.*IDs: \([0-9]*\)$/\1/p')
check "the icon group has seven images ($icons)" test "$icons" = 7
# Every program of the suite stays under 512 KiB.
largest=$(stat -c '%s %n' "$(dirname "$exe")"/*.exe | grep -v '/peravin_\|/unit_tests\|/record_file_tests' | sort -n | tail -1)
check "every program is under 512 KiB (the largest: ${largest##*/}, ${largest%% *} bytes)" test "${largest%% *}" -lt 524288

rm -f "$expected"
finish selftest
