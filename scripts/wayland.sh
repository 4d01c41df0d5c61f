#!/usr/bin/env bash
# Measures what Tintlet reads in a Wayland session: weston with Xwayland, on a private
# Xvfb through weston's X11 back end, which gives the session a seat, so that xdotool's
# real input on the Xvfb reaches Xwayland as a user's mouse does (headless weston has no
# pointer, and Debian 12's Xwayland crashes when one is moved there). Beside an X
# program's window (ImageMagick's display, red) and a Wayland program's (weston-simple-shm),
# Tintlet is installed in a throwaway home and started by its launcher, and a real drag
# from its pipette goes over each and over the desktop. Prints, at each point, what weston
# shows there (its own screenshot) and what Tintlet read.
# Usage: wayland.sh (make wayland)
set -u -o pipefail
. "$(dirname "$0")/wine-env.sh"
if [ "$TINTLET_WINE" != 8 ]; then
  echo "wayland: weston runs on this machine only, with its own Wine 8" >&2
  exit 2
fi
state=$TINTLET_BUILD/wayland
pids=()
stop() {
  tintlet_stop
  local pid
  for pid in "${pids[@]}"; do kill "$pid" && wait "$pid"; done 2>/dev/null
  tintlet_stop
}
trap stop EXIT
trap 'exit 1' INT TERM
fail() {
  echo "wayland: $*" >&2
  exit 1
}
rm -rf "$state" && mkdir -p "$state/run" && chmod 700 "$state/run" || fail "cannot make $state"
export XDG_RUNTIME_DIR=$state/run WAYLAND_DISPLAY=tintlet-wayland
# The desktop in one known colour, with no panel over it.
printf '[core]\nxwayland=true\n[shell]\nbackground-color=0xff204060\npanel-position=none\n' >"$state/weston.ini"

# weston's window at the top left of a larger Xvfb, so that the pointer can enter it.
session=1024x768 TINTLET_SCREEN=1100x800
tintlet_xvfb_start 160 || fail "no X server"
weston --config="$state/weston.ini" --backend=x11-backend.so --use-pixman --xwayland --debug \
  --socket="$WAYLAND_DISPLAY" --width="${session%x*}" --height="${session#*x}" \
  --log="$state/weston.log" >"$state/weston.out" 2>&1 </dev/null &
pids+=($!)
seat=$DISPLAY display=''
for _ in $(seq 100); do
  display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$state/weston.log" 2>/dev/null)
  [ -n "$display" ] && break
  sleep 0.1
done
[ -n "$display" ] || fail "weston started no Xwayland, see $state/weston.log"
export DISPLAY=$display
display -title Native -geometry 200x150+600+100 -size 200x150 xc:red >"$state/display.log" 2>&1 </dev/null &
pids+=($!)
weston-simple-shm >"$state/simple-shm.log" 2>&1 </dev/null &
pids+=($!)

home=$state/home
mkdir -p "$home"
HOME=$home bash "$TINTLET_ROOT/scripts/install.sh" install >"$state/install.log" 2>&1 || fail "install failed, see $state/install.log"
# The probe works in the launcher's prefix, of its Wine's default kind.
unset WINEARCH
export WINE=$TINTLET_WINE32 WINELOADER=$TINTLET_WINE32 WINEPREFIX=$home/.local/share/tintlet/wineprefix
(cd "$home" && exec env -i HOME="$home" DISPLAY="$DISPLAY" WAYLAND_DISPLAY="$WAYLAND_DISPLAY" \
  XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" PATH="$PATH" "$home/.local/bin/tintlet") >"$state/launcher.log" 2>&1 </dev/null &
pids+=($!)
probe() { "$WINE" "$TINTLET_BUILD/i686/winprobe.exe" "$@" 2>"$state/probe.err" </dev/null | tr -d '\r'; }
# The launcher makes its prefix first; the probe waits for it.
for _ in $(seq 120); do
  grep -q 'made in' "$state/launcher.log" && break
  sleep 1
done
probe wait Tintlet 30000 >/dev/null || fail "the Tintlet dialog did not appear, see $state/launcher.log"
# A readout's text: the probe says what a control shows when it is not the empty text.
readout() {
  probe text Tintlet "$1" "" 0 && return
  sed -n 's/.* shows "\(.*\)", not "".*/\1/p' "$state/probe.err"
}

# Wine takes pointer positions by the X root, but may place its dialog elsewhere than weston
# shows it: the pipette takes a press only where Wine's idea of it and the X window overlap.
read -r left top right bottom <<<"$(probe wait Tintlet 1000)"
read -r x_left x_top x_width x_height <<<"$(xwininfo -id "$(xdotool search --name '^Tintlet$' | head -1)" |
  awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}')"
echo "wayland: Wine has the dialog at $left, $top to $right, $bottom; weston shows its client area at $x_left, $x_top to $((x_left + x_width)), $((x_top + x_height))"
read -r left top right bottom <<<"$(probe item Tintlet IDC_PICKER)"
from_x=$((left > x_left ? left : x_left)) from_y=$((top > x_top ? top : x_top))
to_x=$((right < x_left + x_width ? right : x_left + x_width)) to_y=$((bottom < x_top + x_height ? bottom : x_top + x_height))
[ $from_x -lt $to_x ] && [ $from_y -lt $to_y ] || fail "no point of the pipette as Wine has it lies in its X window"
press_x=$(((from_x + to_x) / 2)) press_y=$(((from_y + to_y) / 2))
echo "wayland: the pipette takes presses where Wine has it, $left, $top to $right, $bottom; pressed at $press_x, $press_y"
xdo() { DISPLAY=$seat timeout 10 xdotool "$@"; }
# The pointer moves on the Xvfb, and weston passes it on to Xwayland a while later: moved
# again until Xwayland has it there.
point_at() {
  local x y
  for _ in $(seq 50); do
    xdo mousemove --sync "$1" "$2" || return 1
    sleep 0.2
    eval "$(xdotool getmouselocation --shell | grep -E '^[XY]=' | tr 'XY' 'xy')"
    [ "$x $y" = "$1 $2" ] && return 0
    xdo mousemove --sync "$(($1 + 1))" "$2" || return 1
  done
  return 1
}
# weston takes the pointer once it has entered its window from outside.
xdo mousemove --sync 1090 790
point_at "$press_x" "$press_y" || fail "Xwayland does not see the pointer at the pipette"
# weston gives the first press on a window only the focus.
xdo click 1 && sleep 1 && xdo mousedown 1 || fail "no press"
sleep 1
points=("700 200 the X program's window" "$((x_left + 100)) $((x_top + x_height - 40)) Tintlet's own dialog"
  "190 372 the Wayland program's window (its white frame)" "900 700 the desktop")
# What weston shows, with the pointer still on the pipette, away from the points.
mkdir "$state/shot" && (cd "$state/shot" && weston-screenshooter >/dev/null 2>&1) || fail "no screenshot"
for point in "${points[@]}"; do
  read -r x y where <<<"$point"
  point_at "$x" "$y" || echo "wayland: Xwayland does not see the pointer at $x, $y"
  sleep 1
  shown=$(convert "$state"/shot/*.png -format "%[hex:p{$x,$y}]" info: 2>/dev/null | cut -c1-6)
  echo "wayland: over $where at $x, $y: weston shows #$shown; Tintlet reads $(readout IDC_HTML) at \"$(readout IDC_COORDINATES)\""
done
xdo mouseup 1
if import -window root "$state/root.png" >"$state/import.log" 2>&1; then
  echo "wayland: the X root window can be read"
else
  echo "wayland: the X root window, which Wine reads the screen's pixels from, cannot be read: $(head -1 "$state/import.log")"
fi
echo "wayland: the launcher said:"
cat "$state/launcher.log"
probe close Tintlet
