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
exe=$2 WINPROBE=$3 LOGS=$4
support=$(cd "$(dirname "$0")/../support" && pwd)
. "$support/desktop.sh"
# The X server's size (tintlet_xvfb_start): more than the tests' virtual desktop.
TINTLET_SCREEN=1600x1000
not_above() { ! xprop -id "$dialog_x" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }

mkdir -p "$LOGS"
tintlet_xvfb_start 120 || fail "no X server"
desktop_start '#4080ff'
tintlet_start "$exe"
dialog_x=$(xdotool search --name '^Tintlet$') || fail "Tintlet is no window of the X server"

# Two points of the dialog's face beside the swatch: the native window will lie over
# the right one, nothing over the left one.
read -r swatch_left swatch_top swatch_right swatch_bottom <<<"$(probe item Tintlet IDC_SWATCH)"
face_y=$(((swatch_top + swatch_bottom) / 2))
covered_x=$((swatch_right + 8)) bare_x=$((swatch_left - 8))

native Native red 400 300 150 90
native=$(cat "$LOGS/Native.id")

# A real drag: over the native window, then over the root window beyond the 1024x768 of
# the tests' virtual desktop.
press_pipette
xdo mousemove --sync 400 250 || fail "no drag to the native window"
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

tintlet_end
echo "PASS"
