#!/usr/bin/env bash
# Validation as a hospital's IT department runs it after a deployment:
# "--calc" of several tools against worked examples of the clinical
# reference, under Wine and natively (the two reports byte for byte), its
# refusals and failure exits, and the suite's self-test over a folder that
# lacks programs or holds a wrong one.
# Expects build/windows and build/native to be built.
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/scripts/wine_env.sh"
source "$root/tests/support/checks.sh"

# The program whose "--selftest" runs the suite's self-test, copied into a
# folder with one tool.
suite_program="$root/build/windows/TolmMedSuite.exe"

code_is() { [ "$1" = "$2" ]; }
absent() { [ ! -e "$1" ]; }
holds_line() { tr -d '\r' <"$1" | grep -qxF -- "$2"; }
count_is() { [ "$(tr -d '\r' <"$1" | grep -c -- "$2")" = "$3" ]; }
# Line 2 is an IN line, and each CHOICE line follows its input's IN line or
# another CHOICE line of the same input.
inputs_in_order() {
  tr -d '\r' <"$1" | awk -F'|' '
    NR == 2 && $1 != "IN" { bad = 1 }
    $1 == "CHOICE" && $2 != key { bad = 1 }
    { key = ($1 == "IN" || $1 == "CHOICE") ? $2 : "" }
    END { exit bad }'
}

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
  check "$name: IN lines after the TOOL line, each choice's CHOICE lines after its input's" inputs_in_order windows.txt
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
GlucoseInfusionTotal	w=3 r1=12 c1=10 r2=2 c2=5	IN|w|体重|3;IN|r1|液体1速度|12;IN|c1|液体1葡萄糖浓度|10;IN|r2|液体2速度|2;IN|c2|液体2葡萄糖浓度|5;IN|r3|液体3速度|0;IN|c3|液体3葡萄糖浓度|0;IN|neo|人群|1;LEVEL|0;OUT|葡萄糖输注量|21.7|mg/min;OUT|葡萄糖输注速率（GIR）|7.22|mg/kg/min;OUT|每日葡萄糖量|31.2|g/d;OUT|含糖液总速度|14.0|ml/h
BodyMassIndex	w=80 h=170	IN|w|体重|80;IN|h|身高|170;LEVEL|1;OUT|体质指数（BMI）|27.7|kg/m²;OUT|正常体重下限（BMI 18.5）|53.5|kg;OUT|正常体重上限（BMI 24.0，不含）|69.4|kg;VERDICT|超重：BMI 24.0-27.9
EGFR	sex=0 age=70 scr=250	IN|sex|性别|0;CHOICE|sex|0|女;IN|age|年龄|70;IN|scr|血肌酐|250;LEVEL|3;OUT|eGFR（CKD-EPI 2021）|17|ml/min/1.73m²;OUT|eGFR 2021取整（分期用）|17|ml/min/1.73m²
CorrectedQT	hr=70 qt=420 sex=1	IN|sex|性别|1;IN|qt|QT间期|420;IN|hr|心率|70;LEVEL|2;OUT|QTc（Bazett）|454|ms;OUT|QTc（Fridericia）|442|ms
ChildPugh	bili=45 alb=30 inr=1.8 asc=2	IN|bili|总胆红素|45;IN|alb|白蛋白|30;IN|inr|INR|1.8;IN|asc|腹水|2;CHOICE|asc|2|轻度/利尿剂可控制;IN|he|肝性脑病|1;LEVEL|2;OUT|Child-Pugh总分|9|分;OUT|分级（1=A 2=B 3=C）|2|
MeldScore	bili=85.5 inr=2 cr=200 dial=1	IN|bili|总胆红素|85.5;IN|inr|INR|2;IN|cr|血肌酐|200;IN|dial|近7天透析≥2次|1;LEVEL|3;OUT|MELD（未取整）|33.54|;OUT|MELD评分|34|
GlasgowComaScale	e=2 v=2 m=4	IN|e|睁眼反应|2;IN|v|语言反应|2;IN|m|运动反应|4;CHOICE|m|4|刺痛躲避;LEVEL|3;OUT|GCS总分|8|分
CompatibilityCheck	drugA=2 drugB=9	IN|drugA|药物 A|2;IN|drugB|药物 B|9;CHOICE|drugB|9|碳酸氢钠;LEVEL|3;OUT|报告文本|见 DETAIL|;VERDICT|禁忌：不可同瓶输注，需间隔冲管
Caprini	rf=2+5+11	IN|age|年龄|1;IN|surg|手术类型|0;IN|mob|活动情况|0;IN|rf|其他危险因素|3;CHOICE|rf|11|其他风险因素;LEVEL|2;OUT|Caprini总分|4|分;VERDICT|Caprini 3-4分：VTE中危
EOF

# Refused command lines: no report, a file already at the path left alone,
# and the reason, with the argument as given, on the console and, when the
# path is one, in PATH.err, alike under Windows and natively. Each row: exit
# code, where the reason goes (both, console, none), program, words of the
# reason, the arguments after the program.
mkdir -p "$work/cases" && cd "$work/cases" || exit 1
long_path=$(printf '%0520d' 0)
while IFS=$'\t' read -r code where program words arguments; do
  [ -n "$code" ] || continue
  for runner in native windows; do
    name="$runner $program $arguments"
    rm -f -- "$work/cases/"*
    printf earlier >out.txt
    # shellcheck disable=SC2086
    $runner "$program" $arguments 2>"$work/$runner.console"
    check "$name: exit $code" code_is $? "$code"
    check "$name: out.txt as it was" test "$(cat out.txt)" = earlier
    files="out.txt "
    [ "$where" != both ] || files="out.txt out.txt.err "
    check "$name: files $files" test "$(ls | tr '\n' ' ')" = "$files"
    [ "$where" != none ] || continue
    check "$name: the console says $words" grep -qF -- "$words" "$work/$runner.console"
    [ "$where" = both ] || continue
    check "$name: out.txt.err says $words" grep -qF -- "$words" out.txt.err
    mv out.txt.err "$work/$runner.err"
  done
  [ "$where" != none ] || continue
  check "$program $arguments: Windows and native say the same" cmp -s "$work/native.console" "$work/windows.console"
  [ "$where" = both ] || continue
  check "$program $arguments: Windows and native write the same PATH.err" cmp -s "$work/native.err" "$work/windows.err"
done <<EOF
4	both	BodyMassIndex	本工具没有键为“weight”的输入	--calc out.txt weight=80
4	both	BodyMassIndex	本工具没有键为“W”的输入	--calc out.txt W=80
4	both	BodyMassIndex	参数“w=80kg”：“80kg”不是一个数值	--calc out.txt w=80kg
4	both	BodyMassIndex	“inf”不是一个数值	w=inf --calc out.txt
4	both	BodyMassIndex	不是一个数值；体重只接受一个数值	--calc out.txt w=$(printf '%0128d' 8)
4	both	BodyMassIndex	参数“w=81”：输入“w”（体重）已给出过一次	--calc out.txt w=80 w=81
4	both	BodyMassIndex	参数“w”不是“键=值”的形式	--calc out.txt w
4	both	EGFR	参数“scr=1.0”：血肌酐 1.0 超出可接受的范围 10～3000 μmol/L	--calc out.txt scr=1.0
4	both	BradenScale	参数“sp=5”：“5”不是“感知”的选项；可选：1（完全受限）	--calc out.txt sp=5
4	both	Caprini	参数“rf=31”：“31”不是“其他危险因素”的项目组合	--calc out.txt rf=31
4	console	BodyMassIndex	--calc 之后缺少报告文件的路径	--calc
4	console	BodyMassIndex	--calc 之后应先写报告文件的路径，“w=80”却是本工具的输入	--calc w=80
4	console	BodyMassIndex	报告文件的路径超过 519 个字符	--calc $long_path w=80
3	none	BodyMassIndex	-	--calc missing-folder/out.txt w=80
EOF
cd "$work" || exit 1

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

# The suite's self-test over a folder of two programs, with a space in its
# path as under Program Files: the other programs missing, then one under
# another's name. The whole suite passing is the package test's, over the
# installed folder.
folder="$work/Program Files/TolmMed Suite"
mkdir -p "$folder"
cp "$suite_program" "$root/build/windows/BodyMassIndex.exe" "$folder/"
suite="$folder/$(basename "$suite_program")"
programs=$(grep -cE '^[^|]+\|[^|]*\|.+$' "$root/build/windows/programs.txt")

wine_run "$suite" --selftest
check "suite: missing programs exit 3 (exit $?)" code_is $? 3
check "suite: the program there passes" holds_line suite-selftest.txt "410|BodyMassIndex|体质指数（中国成人标准）|0|0|体重正常：BMI 18.5-23.9"
check "suite: a missing program is named" holds_line suite-selftest.txt "409|EGFR|估算肾小球滤过率（CKD-EPI 2021）|-|-|程序文件不存在"
check "suite: the default report counts one passed, the others not run" \
  holds_line suite-selftest.txt "COUNTS|$programs|1|0|$((programs - 1))"

cp "$folder/BodyMassIndex.exe" "$folder/EGFR.exe"
wine_run "$suite" --selftest "suite report.txt"
check "suite: another tool under a program's name exits 3 (exit $?)" code_is $? 3
check "suite: the swapped program is named" holds_line "suite report.txt" "409|EGFR|估算肾小球滤过率（CKD-EPI 2021）|0|-|自检报告属于另一工具（编号 410）"

wine_run "$suite" --selftest missing-folder/suite.txt
check "suite: an unwritable report exits 3 (exit $?)" code_is $? 3
check "suite: an unwritable report writes nothing" absent missing-folder

wine_cleanup
cd / && rm -rf "$work"
finish validation
