#!/usr/bin/env bash
# Tintlet as `make run` starts it on a display (run.sh), on an X server of this test's
# own, bigger than the tests' Wine virtual desktop, under openbox, beside a native X
# window and the painted root window: a real drag from the pipette reads both exactly,
# and "Always on Top" keeps the dialog above the native window until it is toggled off.
# The suite's display and prefix are left alone: everything here runs on this X server
# and in the prefix run.sh uses on a display.
# Usage: run-on-display.sh ARCH TINTLET_EXE WINPROBE_EXE LOG_DIR
set -u -o pipefail
export TINTLET_TEST_ARCH=$1
exe=$2 winprobe=$3 logs=$4
scripts=$(cd "$(dirname "$0")/../../scripts" && pwd)
. "$scripts/wine-env.sh"
tintlet_prefix_use display
# The X server's size (tintlet_xvfb_start): more than the tests' virtual desktop.
TINTLET_SCREEN=1600x1000
openbox_pid='' native_pid='' run_pid=''

stop() {
  local pid
  for pid in $native_pid $openbox_pid; do
    kill "$pid" && wait "$pid"
  done 2>/dev/null
  tintlet_stop
  [ -z "$run_pid" ] || wait "$run_pid"
}
trap stop EXIT
trap 'exit 1' INT TERM

fail() {
  echo "FAIL: $*"
  exit 1
}
probe() { "$WINE" "$winprobe" "$@" | tr -d '\r'; }
# xdotool's --sync waits without end for what may never happen.
xdo() { timeout 10 xdotool "$@"; }
# settle COMMAND...: retries COMMAND for up to ten seconds while X and Wine catch up.
settle() {
  for _ in $(seq 100); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}
# pixels X Y [X Y ...]: the screen's colours there, RRGGBB each, as a screenshot has them.
pixels() {
  local format=""
  while [ $# -ge 2 ]; do
    format+="%[hex:p{$1,$2}] "
    shift 2
  done
  import -window root "$logs/screen.png" && convert "$logs/screen.png" -format "${format% }" info:
}
# readouts WHERE DEC HEX COLORREF HTML COORDINATES: the dialog shows these texts.
readouts() {
  local where=$1 names=(IDC_RGB_DEC IDC_RGB_HEX IDC_COLORREF IDC_HTML IDC_COORDINATES) i ok=0
  shift
  local texts=("$@")
  for i in "${!names[@]}"; do
    probe text Tintlet "${names[$i]}" "${texts[$i]}" 5000 || ok=1
  done
  [ $ok = 0 ] || fail "the readouts $where"
  echo "$where:$(printf ' "%s"' "${texts[@]}")"
}
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
not_above() { ! xprop -id "$dialog_x" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
ended() { ! kill -0 "$run_pid" 2>/dev/null; }

mkdir -p "$logs"
tintlet_xvfb_start 120 || fail "no X server"
openbox --sm-disable >"$logs/openbox.log" 2>&1 </dev/null &
openbox_pid=$!
settle wm_ready || fail "openbox did not take the screen"
xsetroot -solid '#4080ff' || fail "cannot paint the root window"
tintlet_prefix display || fail "no Wine prefix for a display"
# Wine's background processes start here, with their output in this test's log (not in
# the pipe ctest reads), and stay until the end.
wineserver -p60 >/dev/null 2>&1 </dev/null
TINTLET_BUILD=$logs tintlet_wine_services

bash "$scripts/run.sh" "$exe" >"$logs/run.log" 2>&1 </dev/null &
run_pid=$!
probe wait Tintlet 30000 >/dev/null || fail "the Tintlet dialog did not appear"
said="run: Tintlet runs on display $DISPLAY as an ordinary window; close its dialog to end it"
grep -qxF "$said" "$logs/run.log" || fail "run.sh did not say where Tintlet runs: $(cat "$logs/run.log")"
dialog_x=$(xdotool search --name '^Tintlet$') || fail "Tintlet is no window of the X server"

# Two points of the dialog's face beside the swatch: the native window will lie over
# the right one, nothing over the left one.
read -r swatch_left swatch_top swatch_right swatch_bottom <<<"$(probe item Tintlet IDC_SWATCH)"
face_y=$(((swatch_top + swatch_bottom) / 2))
covered_x=$((swatch_right + 8)) bare_x=$((swatch_left - 8))

display -title 'Native window' -geometry 400x300+150+90 -size 400x300 xc:red >"$logs/display.log" 2>&1 </dev/null &
native_pid=$!
settle xdotool search --onlyvisible --name '^Native window$' >"$logs/native.id" || fail "the native window did not appear"
native=$(cat "$logs/native.id")

# A real drag: over the native window, then over the root window beyond the 1024x768 of
# the tests' virtual desktop.
read -r picker_left picker_top picker_right picker_bottom <<<"$(probe item Tintlet IDC_PICKER)"
press_x=$(((picker_left + picker_right) / 2)) press_y=$(((picker_top + picker_bottom) / 2))
xdo mousemove --sync "$press_x" "$press_y" mousedown 1 || fail "no press on the pipette"
probe text Tintlet IDC_COORDINATES "$press_x, $press_y" 5000 || fail "the press on the pipette sampled nothing"
xdo mousemove --sync "$((press_x + 5))" "$press_y" mousemove --sync 400 250 || fail "no drag to the native window"
readouts "over the native window" "255, 0, 0" "FF, 00, 00" "000000FF" "#FF0000" "400, 250"
xdo mousemove --sync 1400 900 || fail "no drag to the root window"
readouts "over the root window" "64, 128, 255" "40, 80, FF" "00FF8040" "#4080FF" "1400, 900"
xdo mouseup 1 || fail "no release"

# Always on Top, as the dialog starts: the native window, activated after it, stays below.
xdo windowactivate --sync "$dialog_x" windowactivate --sync "$native" || fail "openbox did not activate the windows"
read -r covered bare <<<"$(pixels "$covered_x" "$face_y" "$bare_x" "$face_y")"
if [ "$covered" != "$bare" ] || [ "$bare" = FF0000 ]; then
  fail "with Always on Top the native window covers the dialog: $covered where the face is $bare"
fi
echo "on top: the dialog's face $covered shows over the activated native window"

probe syscommand Tintlet IDM_ALWAYS_ON_TOP || fail "cannot reach the dialog's system menu"
settle not_above || fail "Always on Top toggled off left the dialog above other windows"
xdo windowactivate --sync "$dialog_x" windowactivate --sync "$native" || fail "openbox did not activate the windows"
covered=$(pixels "$covered_x" "$face_y")
[ "$covered" = FF0000 ] || fail "with Always on Top off the activated native window does not cover the dialog: $covered"
echo "not on top: the activated native window covers the dialog"

probe close Tintlet || fail "cannot close the dialog"
settle ended || fail "run.sh did not end when the dialog closed"
wait "$run_pid" || fail "run.sh failed: $(cat "$logs/run.log")"
run_pid=
echo "PASS"
