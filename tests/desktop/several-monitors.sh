#!/usr/bin/env bash
# Tintlet as `make run` starts it (run.sh's display path) on a desk of four monitors:
# the primary one, one left of it, one above it and one above-left, so that Windows'
# screen coordinates go negative in x, in y and in both. A real drag from the pipette
# reads a native X window of its own colour on each, a stream of fast moves above-left
# shows only points on its path, and the root window back on the
# primary one; a copy after it puts the last, negative point's colour on the X clipboard.
# At any TINTLET_DPI (tintlet_start) the points are the same physical ones. LAYOUT is how
# X makes the monitors (heads_start): randr, cuts of one X screen, or xinerama, an X
# screen each, joined.
# Usage: several-monitors.sh ARCH TINTLET_EXE WINPROBE_EXE LOG_DIR [LAYOUT]
set -u -o pipefail
export TINTLET_TEST_ARCH=$1
exe=$2 WINPROBE=$3 LOGS=$4 layout=${5:-randr}
support=$(cd "$(dirname "$0")/../support" && pwd)
. "$support/desktop.sh"

# X puts the above-left monitor at its origin: Windows' origin, the primary monitor's
# top-left corner, is X's 800,600.
origin="800 600"

# Xorg takes a configuration file and a log of the test's own only from root.
if [ "$(id -u)" != 0 ]; then
  echo "SKIP: Xorg lays out monitors for root only, and this test runs as $(id -un)"
  exit 77
fi
if [ "$layout" = xinerama ] && [ "$TINTLET_WINE" = 10 ]; then
  echo "SKIP: Wine 10 takes Xinerama's screens for one 800x600 at X's 0,0, where the dialog opens off the primary monitor and drags stop; the RandR layout runs under it"
  exit 77
fi
if [ "${TINTLET_DPI:-96}" != 96 ] && [ "$TINTLET_WINE" = 8 ]; then
  echo "SKIP: Wine 8 scales nothing at any DPI, so its run at 96 stands for this one"
  exit 77
fi
mkdir -p "$LOGS"
heads_start "800 600 800 600
800 600 0 600
800 600 800 0
800 600 0 0" "$layout"
desktop_start '#4080ff'
native Left '#10c050' 400 300 50 750
native Above '#f0a020' 400 300 850 50
native AboveLeft '#8020e0' 400 300 50 50
tintlet_start "$exe"

read -r left top right bottom <<<"$(probe wait Tintlet)" || fail "no dialog rectangle"
if [ "$left" -lt 0 ] || [ "$top" -lt 0 ] || [ "$right" -gt 800 ] || [ "$bottom" -gt 600 ]; then
  fail "the dialog opened at $left,$top-$right,$bottom, not on the primary monitor 0,0-800,600"
fi
x_window=$(xdotool search --name '^Tintlet$') || fail "Tintlet is no window of the X server"
eval "$(xdotool getwindowgeometry --shell "$x_window")"
# shellcheck disable=SC2153 # X and Y come from xdotool
[ "$X" -ge 800 ] && [ "$Y" -ge 600 ] || fail "the dialog is at $X,$Y of the X screen, off the primary monitor"
echo "the dialog opened at $left,$top-$right,$bottom, on the primary monitor"

press_pipette
drag_stop "on the left monitor" -550 300 10C050 "16, 192, 80" "10, C0, 50" "0050C010" "#10C050"
drag_stop "on the monitor above" 250 -400 F0A020 "240, 160, 32" "F0, A0, 20" "0020A0F0" "#F0A020"
drag_stop "on the monitor above-left" -550 -400 8020E0 "128, 32, 224" "80, 20, E0" "00E02080" "#8020E0"
drag_stream 1000 -400 -700 -450 -550 -390 8020E0 "128, 32, 224" "80, 20, E0" "00E02080" "#8020E0"
drag_stop "back on the primary monitor" 600 500 4080FF "64, 128, 255" "40, 80, FF" "00FF8040" "#4080FF"
drag_stop "released on the monitor above-left" -700 -300 8020E0 "128, 32, 224" "80, 20, E0" "00E02080" "#8020E0"
xdo mouseup 1 || fail "no release"

for copy in "IDC_COPY_DEC 128, 32, 224" "IDC_COPY_HEX 80, 20, E0" "IDC_COPY_COLORREF 00E02080" \
  "IDC_COPY_HTML #8020E0"; do
  button=${copy%% *} text=${copy#* }
  # shellcheck disable=SC2046 # the two numbers
  xdo mousemove --sync $(centre_of "$button") click 1 || fail "no click on $button"
  settle clipboard_is "$text" || fail "after $button the X clipboard holds \"$(xclip -selection clipboard -o)\", not \"$text\""
  echo "$button: the X clipboard holds \"$text\""
done

tintlet_end
echo "PASS"
