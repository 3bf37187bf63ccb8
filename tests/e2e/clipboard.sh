#!/usr/bin/env bash
# The copied result as a Linux program on the same desktop reads it: the real
# programs run under Wine on a virtual display, are worked with the X mouse
# and keyboard as a user would (boxes filled, F5, "复制结果"), and then
# `xclip -o -selection clipboard` must return exactly the copied text, with
# nothing after it. Wine turns "\r\n" into "\n" on the way to X.
# Needs the windows preset built (build/windows, or PERAVIN_WINDOWS_BUILD),
# Xvfb, xdotool and xclip; builds nothing.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${PERAVIN_WINDOWS_BUILD:-$root/build/windows}
# shellcheck source-path=SCRIPTDIR/../..
source "$root/scripts/wine_env.sh"
source "$root/tests/support/checks.sh"


tmp=$(mktemp -d /tmp/peravin-clipboard.XXXXXX)
trap 'wine_cleanup; rm -rf "$tmp"' EXIT
wine_prefix_new
xvfb_start || { echo "clipboard: 0 passed, 1 failed"; exit 1; }

# Client coordinates of the layout (shell/layout.h). With no window manager
# on the display, a program's X window is its client area.
box_x=292                    # middle of the input boxes
box_y=(159 193)              # middle of the first and second box
copy_x=394 copy_y=688        # middle of "复制结果"

# The window of the program with this caption, once it is there.
find_window() {
  local id i
  for ((i = 0; i < 100; i++)); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.2
  done
  return 1
}

# Reads the clipboard into GOT until it holds EXPECTED, for a few seconds:
# the copy may still be on its way, or the clipboard hold an earlier text.
# The time of the calculation, which the copy says, reads as TIME.
clipboard_becomes() { # EXPECTED GOT
  local i
  for ((i = 0; i < 50; i++)); do
    xclip -o -selection clipboard 2>/dev/null |
      sed -E '2s/^计算时间：[0-9]{4}-[0-9]{2}-[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2}$/计算时间：TIME/' >"$2"
    cmp -s "$1" "$2" && return 0
    sleep 0.1
  done
  return 1
}

# copy_case PROGRAM CAPTION EXPECTED_FILE [VALUE...]: starts the program,
# types the values into its first boxes, calculates with F5, copies, and
# compares what X holds with the expected text byte for byte.
copy_case() {
  local program=$1 caption=$2 expected=$3 window pid i
  shift 3
  "$WINE" "$build/$program" >/dev/null 2>&1 &
  pid=$!
  if ! window=$(find_window "$caption"); then
    check "$program: window \"$caption\" appears" false
    kill "$pid" 2>/dev/null
    return
  fi
  sleep 0.5
  # A click in the first box: the window takes the keyboard, the box the focus.
  xdotool mousemove --window "$window" "$box_x" "${box_y[0]}" click 1
  for ((i = 1; i <= $#; i++)); do
    xdotool mousemove --window "$window" "$box_x" "${box_y[i - 1]}" click 1
    xdotool key --clearmodifiers End shift+Home
    xdotool type --delay 20 "${!i}"
  done
  xdotool key --clearmodifiers F5
  sleep 0.5
  xdotool mousemove --window "$window" "$copy_x" "$copy_y" click 1
  local got=$tmp/$program.got
  check "$program: xclip returns exactly the copied text" clipboard_becomes "$expected" "$got"
  cmp -s "$expected" "$got" || cmp "$expected" "$got" 2>&1 | sed -n '1s/^/     /p'
  xdotool key --clearmodifiers alt+F4
  for ((i = 0; i < 50; i++)); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
}

# The configured tool with its defaults: title, the two result lines, the verdict line.
printf 'Peravin\n葡萄糖输注速率：1.67 mg/kg/min\n每日葡萄糖：144.0 g\n—— GIR 在合理范围' >"$tmp/peravin.txt"
copy_case Peravin.exe Peravin "$tmp/peravin.txt"

# The largest roster, 40 nurses by 31 days: title, time, inputs, then the
# whole report and its verdict.
{
  printf '护士排班表\n计算时间：TIME\n护士人数：40 人\n排班天数：31 天\n排班规则：三班轮转（白班 D / 夜班 N / 休息 R），每日每班 1 人，按人员顺序滚动。\n'
  printf '人员：40 人；周期：31 天\n\n'
  shifts=(D N R)
  for ((nurse = 0; nurse < 40; nurse++)); do
    printf '护士%02d：\n  ' $((nurse + 1))
    for ((day = 0; day < 31; day++)); do printf '%d日%s ' $((day + 1)) "${shifts[(nurse + 2 * day) % 3]}"; done
    printf '\n'
  done
  printf '\n提示：连续夜班不超过 2 个，夜班后应安排休息；请按科室实际人数与能级调整。\n'
  printf '—— 已生成轮转排班表，可复制到排班本或表格'
} >"$tmp/roster.txt"
copy_case NurseRoster.exe 护士排班表 "$tmp/roster.txt" 40 31

finish clipboard
