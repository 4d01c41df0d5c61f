#!/usr/bin/env bash
# Tintlet as `make run` starts it on a display whose system DPI is DPI (LogPixels): Wine 10
# scales the DPI-unaware dialog and hands it logical points, while the screen's pixels
# stay physical. A real drag over a field whose every pixel encodes where it lies reads the
# pixel under the pipette's tip and shows its physical screen coordinates, also for
# neighbours that share one logical point; streams of real moves as fast mice send them,
# each move handled after the cursor has gone on, show only points on the tip's path;
# the swatch shows the pixel, a copy puts its
# text on the X clipboard, and the pipette over the scaled dialog reads what the screen
# shows there. Wine 8 makes every program DPI aware and scales nothing: there only 144 runs,
# to show that nothing changes.
# Usage: scaled-display.sh DPI ARCH TINTLET_EXE WINPROBE_EXE LOG_DIR
set -u -o pipefail
dpi=$1
export TINTLET_TEST_ARCH=$2
exe=$3 WINPROBE=$4 LOGS=$5
support=$(cd "$(dirname "$0")/../support" && pwd)
. "$support/desktop.sh"
TINTLET_SCREEN=1600x1000
if [ "$TINTLET_WINE" = 8 ] && [ "$dpi" != 144 ]; then
  echo "SKIP: Wine 8 scales nothing at any DPI; its run at 144 shows that"
  exit 77
fi
# The root window, where no window manager moves or frames it, shows a field whose pixel at
# X x,y is red x - 1100, green y - 700, blue 128.
field() {
  convert -size 1600x1000 xc:'#4080ff' \( -size 256x256 xc:black -channel R -fx 'i/255' -channel G -fx 'j/255' \
    -channel B -fx '128/255' +channel \) -geometry +1100+700 -composite "$LOGS/root.png" || fail "cannot draw the field"
  # display leaves the picture as the root's background and exits with status 1.
  display -window root "$LOGS/root.png" >"$LOGS/display-root.log" 2>&1 </dev/null
  [ "$(pixels 1100 700 1355 955 1099 700)" = "000080 FFFF80 4080FF" ] || fail "the root shows no field"
}
mkdir -p "$LOGS"
tintlet_xvfb_start 120 || fail "no X server"
desktop_start '#4080ff'
field
TINTLET_DPI=$dpi tintlet_start "$exe"

press_pipette
drag_stop "at 1201,751" 1201 751 653380 "101, 51, 128" "65, 33, 80" "00803365" "#653380"
# At 200 % these two share one logical point, at 150 % too; at 125 % the next two.
drag_stop "at 1202,752" 1202 752 663480 "102, 52, 128" "66, 34, 80" "00803466" "#663480"
drag_stop "at 1203,753" 1203 753 673580 "103, 53, 128" "67, 35, 80" "00803567" "#673580"
drag_stop "at 1100,700" 1100 700 000080 "0, 0, 128" "00, 00, 80" "00800000" "#000080"
drag_stop "at 1355,955" 1355 955 FFFF80 "255, 255, 128" "FF, FF, 80" "0080FFFF" "#FFFF80"
drag_stop "at 1301,801" 1301 801 C96580 "201, 101, 128" "C9, 65, 80" "008065C9" "#C96580"
# The report rates of a fast mouse and of a common one.
drag_stream 1000 760 1150 1350 1150 769 324580 "50, 69, 128" "32, 45, 80" "00804532" "#324580"
drag_stream 125 800 1150 1350 1150 809 326D80 "50, 109, 128" "32, 6D, 80" "00806D32" "#326D80"

# Over the dialog itself, where its scaled picture lies: a copy button's glyph.
read -r x y <<<"$(centre_of IDC_COPY_DEC)" || fail "no copy button"
xdo mousemove --sync "$x" "$y" || fail "no drag to the copy button"
shown=$(pixels "$x" "$y")
[ "$shown" != F5F5F5 ] || fail "the glyph's centre shows the dialog face: no test of where the pipette reads"
probe text Tintlet IDC_HTML "#$shown" 5000 || fail "over the glyph at $x,$y the screen shows #$shown"
echo "over the copy glyph at $x,$y: \"#$shown\", as the screen shows"
xdo mousemove --sync 1201 751 mouseup 1 || fail "no release"
readouts "released at 1201,751" "101, 51, 128" "65, 33, 80" "00803365" "#653380" "1201, 751"

read -r x y <<<"$(centre_of IDC_COPY_HTML)" || fail "no copy button"
xdo mousemove --sync "$x" "$y" click 1 || fail "no click on the copy button"
settle clipboard_is "#653380" || fail "the X clipboard holds \"$(xclip -selection clipboard -o)\", not \"#653380\""
echo "IDC_COPY_HTML: the X clipboard holds \"#653380\""

tintlet_end
echo "PASS at $dpi DPI"
