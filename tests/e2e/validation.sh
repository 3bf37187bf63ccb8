#!/usr/bin/env bash
# Validation as a hospital's IT department runs it after a deployment:
# "--calc" of several tools against worked examples of the clinical
# reference, under Wine and natively (the two reports byte for byte), its
# failure exits, and the suite's self-test over the programs of one folder.
# Expects build/windows and build/native to be built.
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/scripts/wine_env.sh"
source "$root/tests/support/checks.sh"

# The program whose "--selftest" runs the suite's self-test, copied into the
# folder of the tools.
suite_program="$root/build/windows/TolmMedSuite.exe"


code_is() { [ "$1" = "$2" ]; }
absent() { [ ! -e "$1" ]; }
holds_line() { tr -d '\r' <"$1" | grep -qxF -- "$2"; }
count_is() { [ "$(tr -d '\r' <"$1" | grep -c -- "$2")" = "$3" ]; }

# The Windows program, and the native one: build/native/peravin carries
# Peravin; the catalogue tool runs any other program's modes.
windows() { local program=$1; shift; wine_run "$root/build/windows/$program.exe" "$@"; }
native() {
  local program=$1
  shift
  if [ "$program" = Peravin ]; then
    "$root/build/native/peravin" "$@"
  else
    "$root/build/native/tests/catalogue" run "$program" "$@"
  fi
}

work=$(mktemp -d)
cd "$work" || exit 1
wine_prefix_new

# Worked examples: program, its key=value arguments, and the lines its report
# must hold (";" between them): every IN line, the level, the values listed.
while IFS=$'\t' read -r program arguments lines; do
  [ -n "$program" ] || continue
  name="$program $arguments"
  # shellcheck disable=SC2086  # the arguments are words
  native "$program" --calc native.txt $arguments
  check "$name: native exit 0" code_is $? 0
  # shellcheck disable=SC2086
  windows "$program" --calc windows.txt $arguments
  check "$name: Windows exit 0" code_is $? 0
  check "$name: Windows and native reports are the same" cmp -s windows.txt native.txt
  check "$name: the IN lines follow the TOOL line" bash -c "tr -d '\r' <windows.txt | sed -n '2p' | grep -q '^IN|'"
  IFS=';' read -r -a expected <<<"$lines"
  ins=0
  for line in "${expected[@]}"; do
    check "$name: $line" holds_line windows.txt "$line"
    case $line in IN\|*) ins=$((ins + 1)) ;; esac
  done
  check "$name: one IN line per input ($ins)" count_is windows.txt '^IN|' "$ins"
  rm -f windows.txt native.txt
done <<'EOF'
Peravin	rate=120 conc=12.5 w=3	IN|rate|输注速度|120;IN|conc|葡萄糖浓度|12.5;IN|w|体重|3;LEVEL|2;OUT|葡萄糖输注速率|83.33|mg/kg/min;OUT|每日葡萄糖|360.0|g;ERRORS|0
GlucoseInfusionTotal	w=3 r1=12 c1=10 r2=2 c2=5	IN|w|体重|3;IN|r1|液体1速度|12;IN|c1|液体1葡萄糖浓度|10;IN|r2|液体2速度|2;IN|c2|液体2葡萄糖浓度|5;IN|r3|液体3速度|0;IN|c3|液体3葡萄糖浓度|0;IN|neo|人群（婴儿1 成人0）|1;LEVEL|0;OUT|葡萄糖输注量|21.7|mg/min;OUT|葡萄糖输注速率（GIR）|7.22|mg/kg/min;OUT|每日葡萄糖量|31.2|g/d;OUT|含糖液总速度|14.0|ml/h
BodyMassIndex	w=80 h=170	IN|w|体重|80;IN|h|身高|170;LEVEL|1;OUT|体质指数（BMI）|27.7|kg/m²;OUT|正常体重下限（BMI 18.5）|53.5|kg;OUT|正常体重上限（BMI 24.0，不含）|69.4|kg;VERDICT|超重：BMI 24.0-27.9
EGFR	sex=0 age=70 scr=250	IN|sex|性别（男1 女0）|0;IN|age|年龄|70;IN|scr|血肌酐|250;LEVEL|3;OUT|eGFR（CKD-EPI 2021）|17|ml/min/1.73m²;OUT|eGFR 2021取整（分期用）|17|ml/min/1.73m²
CorrectedQT	hr=70 qt=420 sex=1	IN|sex|性别（男1 女0）|1;IN|qt|QT间期|420;IN|hr|心率|70;LEVEL|2;OUT|QTc（Bazett）|454|ms;OUT|QTc（Fridericia）|442|ms
ChildPugh	bili=45 alb=30 inr=1.8 asc=2	IN|bili|总胆红素|45;IN|alb|白蛋白|30;IN|inr|INR|1.8;IN|asc|腹水（1-3）|2;IN|he|肝性脑病（1-3）|1;LEVEL|2;OUT|Child-Pugh总分|9|分;OUT|分级（1=A 2=B 3=C）|2|
MeldScore	bili=85.5 inr=2 cr=200 dial=1	IN|bili|总胆红素|85.5;IN|inr|INR|2;IN|cr|血肌酐|200;IN|dial|透析（是1 否0）|1;LEVEL|3;OUT|MELD（未取整）|33.54|;OUT|MELD评分|34|
GlasgowComaScale	e=2 v=2 m=4	IN|e|睁眼反应（1-4）|2;IN|v|语言反应（1-5）|2;IN|m|运动反应（1-6）|4;LEVEL|3;OUT|GCS总分|8|分
CompatibilityCheck	drugA=2 drugB=9	IN|drugA|药物 A 编号|2;IN|drugB|药物 B 编号|9;LEVEL|3;OUT|报告文本|见 DETAIL|;VERDICT|禁忌：不可同瓶输注，需间隔冲管
EOF

# Failure exits: no report, and a file already at the path is left alone.
# Each row: exit code, arguments after the program.
while IFS=$'\t' read -r code arguments; do
  [ -n "$code" ] || continue
  for runner in native windows; do
    printf earlier >out.txt
    # shellcheck disable=SC2086
    $runner BodyMassIndex $arguments
    check "$runner $arguments: exit $code" code_is $? "$code"
    check "$runner $arguments: out.txt as it was" test "$(cat out.txt)" = earlier
    check "$runner $arguments: no other file" test "$(ls | tr '\n' ' ')" = "out.txt "
  done
done <<EOF
4	--calc out.txt weight=80
4	--calc out.txt W=80
4	--calc out.txt w=80kg
4	--calc out.txt w=inf
4	--calc out.txt w=$(printf '%0128d' 8)
4	--calc out.txt w=80 w=81
4	--calc out.txt w
4	--calc
4	--calc w=80
3	--calc missing-folder/out.txt w=80
EOF
rm -f out.txt

for runner in native windows; do
  mkdir -p "My Reports"
  $runner BodyMassIndex --calc "My Reports/out.txt" w=80
  check "$runner: a quoted path with a space, exit 0" code_is $? 0
  check "$runner: a quoted path with a space" holds_line "My Reports/out.txt" "IN|w|体重|80"
  "$root/build/native/tests/catalogue" selftest BodyMassIndex expected.txt
  $runner BodyMassIndex --calc calc.txt w=80 --selftest selftest.txt
  check "$runner: --selftest wins (exit $?)" cmp -s selftest.txt expected.txt
  check "$runner: --selftest wins, no calc report" absent calc.txt
  rm -rf "My Reports" selftest.txt expected.txt
done

# The suite's self-test over an installed folder (with a space in its path,
# as under Program Files).
folder="$work/Program Files/TolmMed Suite"
mkdir -p "$folder"
cp "$suite_program" "$folder/"
suite="$folder/$(basename "$suite_program")"
# The tools of the package list: the lines with a category (the launcher has none).
grep -E '^[^|]+\|[^|]*\|.+$' "$root/build/windows/programs.txt" >tools.txt
programs=$(grep -c . tools.txt)
while IFS='|' read -r exe _; do cp "$root/build/windows/$exe" "$folder/"; done <tools.txt

wine_run "$suite" --selftest
check "suite: every program passes (exit $?)" code_is $? 0
check "suite: the default report holds the counts" holds_line suite-selftest.txt "COUNTS|$programs|$programs|0|0"
listed() {  # each program once, in list order (by id): its name, title and exit 0
  tr -d '\r' <"$1" | head -n "$programs" >lines.txt
  cut -d'|' -f1 lines.txt | sort -n -c || return 1
  cut -d'|' -f2,3,4 lines.txt | sort >listed.txt
  sed 's/\.exe|\([^|]*\)|.*/|\1|0/' tools.txt | sort | cmp -s - listed.txt
}
check "suite: one line per program, in list order" listed suite-selftest.txt

rm "$folder/EGFR.exe"
wine_run "$suite" --selftest "suite report.txt"
check "suite: a missing program exits 3 (exit $?)" code_is $? 3
check "suite: the missing program is named" holds_line "suite report.txt" "409|EGFR|估算肾小球滤过率（CKD-EPI 2021）|-|-|程序文件不存在"
check "suite: the counts tell one not run" holds_line "suite report.txt" "COUNTS|$programs|$((programs - 1))|0|1"

cp "$folder/BodyMassIndex.exe" "$folder/EGFR.exe"
wine_run "$suite" --selftest swapped.txt
check "suite: another tool under a program's name exits 3 (exit $?)" code_is $? 3
check "suite: the swapped program is named" holds_line swapped.txt "409|EGFR|估算肾小球滤过率（CKD-EPI 2021）|0|-|自检报告属于另一工具（编号 410）"

wine_run "$suite" --selftest missing-folder/suite.txt
check "suite: an unwritable report exits 3 (exit $?)" code_is $? 3
check "suite: an unwritable report writes nothing" absent missing-folder

wine_cleanup
cd / && rm -rf "$work"
finish validation
