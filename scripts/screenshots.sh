#!/usr/bin/env bash
# Regenerates the README's pictures from the real Tintlet.exe on a private Xvfb:
# the dialog at start, a drag over a colour field, the system menu and the About box.
# Usage: screenshots.sh OUT_DIR
set -u -o pipefail
out=$(mkdir -p "$1" && cd "$1" && pwd)
. "$(dirname "$0")/wine-env.sh"
tintlet_wine_enter "$@"
bin=$TINTLET_BUILD/$TINTLET_TEST_ARCH
tintlet_say_arch

fail() { echo "screenshots: $*" >&2; exit 1; }
probe() { "$WINE" "$bin/winprobe.exe" "$@" | tr -d '\r'; }

# shoot NAME LEFT TOP RIGHT BOTTOM [X Y]: the screen inside the rectangle as NAME.png.
shoot() {
  local name=$1
  shift
  tintlet_shoot "$out/$name.png" "$@" || fail "cannot save $name.png"
  echo "screenshots: $out/$name.png"
}

# union L1 T1 R1 B1 L2 T2 R2 B2: the smallest rectangle holding both.
union() {
  local a=("$@")
  echo "$(min "${a[0]}" "${a[4]}") $(min "${a[1]}" "${a[5]}") $(max "${a[2]}" "${a[6]}") $(max "${a[3]}" "${a[7]}")"
}
min() { echo $(($1 < $2 ? $1 : $2)); }
max() { echo $(($1 > $2 ? $1 : $2)); }

tintlet_session_start || exit 1
tintlet_launch "$bin/Tintlet.exe" "$TINTLET_BUILD/screenshots.log" || fail "the Tintlet dialog did not appear"
dialog=$TINTLET_DIALOG
read -r left top right bottom <<<"$dialog"
sleep 1
shoot tintlet $dialog

# A colour chart beside the dialog, twelve hues by five shades; the drag ends on the
# pure orange, the second hue's middle shade.
field_left=$((right + 20)) field_width=240
"$WINE" "$bin/colourfield.exe" "$field_left" "$top" "$field_width" "$((bottom - top))" >>"$TINTLET_BUILD/screenshots.log" 2>&1 </dev/null &
field=$(probe wait "Colour field") || fail "the colour field did not appear"
picker=$(probe item Tintlet IDC_PICKER) || fail "the dialog has no pipette"
read -r picker_left picker_top picker_right picker_bottom <<<"$picker"
press_x=$(((picker_left + picker_right) / 2)) press_y=$(((picker_top + picker_bottom) / 2))
to_x=$((field_left + field_width * 3 / 24)) to_y=$(((top + bottom) / 2))
xdotool mousemove --sync "$press_x" "$press_y" mousedown 1
probe text Tintlet IDC_COORDINATES "$press_x, $press_y" 5000 >/dev/null || fail "the press sampled nothing"
xdotool mousemove --sync "$((press_x + 5))" "$press_y" mousemove --sync "$to_x" "$to_y"
probe text Tintlet IDC_COORDINATES "$to_x, $to_y" 5000 >/dev/null || fail "the drag did not reach the field"
sleep 0.5
shoot tintlet-drag $(union $dialog $field) "$to_x" "$to_y"
xdotool mouseup 1
probe close "Colour field" >/dev/null

# The system menu, as Alt+Space opens it once a press on the caption has made the dialog
# active; the pointer moves out of the menu's way first.
xdotool mousemove --sync "$(((left + right) / 2))" "$((top + 10))" click 1 mousemove --sync 1000 700 key alt+space
menu=$(probe menu 5000) || fail "the system menu did not open"
sleep 0.5
shoot tintlet-menu $(union $dialog $menu)
xdotool key Escape

probe syscommand Tintlet IDM_ABOUTBOX >/dev/null || fail "cannot reach the dialog"
about=$(probe wait "About Tintlet") || fail "the About box did not appear"
sleep 0.5
shoot tintlet-about $about
probe close "About Tintlet" >/dev/null
probe gone "About Tintlet" >/dev/null || fail "the About box did not close"
probe close Tintlet >/dev/null
probe gone Tintlet >/dev/null || fail "Tintlet did not close"
wait "$TINTLET_APP_PID"
