# Sourced by the end-to-end tests that run Tintlet as `make run` starts it on a display
# (run.sh), on an X server of the test's own under openbox, beside native X windows.
# Needs LOGS (the test's folder for logs and screenshots) and WINPROBE set; sources
# scripts/wine-env.sh. Functions:
#   fail TEXT                 the test fails with TEXT
#   probe ARGS                winprobe.exe, the dialog's finder and reader
#   xdo ARGS                  xdotool with a time limit
#   settle COMMAND            retry COMMAND for up to ten seconds
#   pixels X Y [X Y ...]      the screen's colours there, RRGGBB each
#   readouts WHERE DEC HEX COLORREF HTML COORDINATES   the dialog shows these texts
#   clipboard_is TEXT         the X clipboard holds TEXT
#   desktop_start COLOUR      openbox on the display, the root painted COLOUR
#   native NAME COLOUR W H X Y  a native X window of one colour there, by X coordinates
#   tintlet_start EXE         run.sh's display path in the background, at the system DPI
#                             TINTLET_DPI (96 unless set); waits for the dialog
#   x_point X Y               Windows' screen point X,Y in X coordinates, by `origin`, where
#                             Windows' origin lies in X's ("0 0" unless a test sets it)
#   centre_of NAME            the centre of the dialog's control NAME, in X coordinates
#   press_pipette             a real press on the pipette and a first move, checked to sample
#   drag_stop WHERE X Y COLOUR DEC HEX COLORREF HTML   the held pipette moved on to Windows'
#                             point X,Y shows these readouts, and the swatch shows COLOUR
#   drag_stream RATE Y X0 X1 X Y COLOUR DEC HEX COLORREF HTML   the held pipette swept with
#                             RATE real moves a second along Windows' row Y from X0 to X1 and
#                             back shows no Coordinates text more than one pixel off the row's
#                             path, then moved on to X,Y shows these readouts (as drag_stop)
#   tintlet_end [WHAT LOG]    closes the dialog and checks that run.sh (or WHAT, whose
#                             process is run_pid, its output in LOG) ended with status 0
#   heads_start HEADS [LAYOUT]  a private Xorg whose monitors are the lines "W H X Y" of
#                             HEADS (X coordinates), the first one primary; LAYOUT randr
#                             (one screen cut by RandR, the default) or xinerama (one screen
#                             each, joined by Xinerama)
# desktop_stop, set here as the EXIT trap, stops all of it.

. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env.sh"
# A display prefix of the tests' own, also for run.sh: `make run`'s keeps its user's DPI.
export TINTLET_DISPLAY_PREFIX=$TINTLET_PREFIX_BASE-display-tests
# Wine is run.sh's on a display until a test names another prefix: the stop at exit ends
# the Wine of that prefix, never the programs of the suite's own.
tintlet_prefix_use display
desktop_pids=() run_pid='' heads_pid=''

trap desktop_stop EXIT
trap 'exit 1' INT TERM
desktop_stop() {
  local pid
  for pid in "${desktop_pids[@]}"; do
    kill "$pid" && wait "$pid"
  done 2>/dev/null
  tintlet_stop
  [ -z "$run_pid" ] || wait "$run_pid"
  [ -z "$heads_pid" ] || { kill "$heads_pid" && wait "$heads_pid"; } 2>/dev/null
}

# The screen as it was is kept beside the logs, for whoever reads the failure.
fail() {
  echo "FAIL: $*"
  [ -n "${DISPLAY:-}" ] && import -window root "$LOGS/failure.png" 2>/dev/null && echo "the screen: $LOGS/failure.png"
  exit 1
}
probe() { "$WINE" "$WINPROBE" "$@" | tr -d '\r'; }
# xdotool's --sync waits without end for what may never happen.
xdo() { timeout 10 xdotool "$@"; }
settle() {
  for _ in $(seq 100); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}
pixels() {
  local format=""
  while [ $# -ge 2 ]; do
    format+="%[hex:p{$1,$2}] "
    shift 2
  done
  import -window root "$LOGS/screen.png" && convert "$LOGS/screen.png" -format "${format% }" info:
}
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
clipboard_is() { [ "$(xclip -selection clipboard -o 2>/dev/null)" = "$1" ]; }
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }

x_answers() { xdpyinfo >/dev/null 2>&1; }

desktop_start() {
  # On a loaded machine openbox has been seen to find no display just after the server's
  # socket appeared: the server must answer a client first.
  settle x_answers || fail "the X server $DISPLAY does not answer"
  openbox --sm-disable >"$LOGS/openbox.log" 2>&1 </dev/null &
  desktop_pids+=($!)
  settle wm_ready || fail "openbox did not take the screen"
  xsetroot -solid "$1" || fail "cannot paint the root window"
}

native() {
  local name=$1 colour=$2 w=$3 h=$4 x=$5 y=$6
  display -title "$name" -geometry "${w}x$h+$x+$y" -size "${w}x$h" "xc:$colour" >"$LOGS/display-$name.log" 2>&1 </dev/null &
  desktop_pids+=($!)
  settle xdotool search --onlyvisible --name "^$name\$" >"$LOGS/$name.id" || fail "the native window $name did not appear"
}

tintlet_start() {
  tintlet_prefix display || fail "no Wine prefix for a display"
  # Wine reads the DPI as it starts; every test sets its own, as they share the prefix.
  "$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "${TINTLET_DPI:-96}" /f \
    >"$LOGS/dpi.log" 2>&1 </dev/null || fail "cannot set the DPI: $(cat "$LOGS/dpi.log")"
  # Wine's background processes start here, with their output in this test's log (not in
  # the pipe ctest reads), and stay until the end.
  wineserver -p60 >/dev/null 2>&1 </dev/null
  TINTLET_STATE=$LOGS tintlet_wine_services
  bash "$TINTLET_ROOT/scripts/run.sh" "$1" >"$LOGS/run.log" 2>&1 </dev/null &
  run_pid=$!
  probe wait Tintlet 30000 >/dev/null || fail "the Tintlet dialog did not appear"
  local said="run: Tintlet runs on display $DISPLAY as an ordinary window; close its dialog to end it"
  grep -qxF "$said" "$LOGS/run.log" || fail "run.sh did not say where Tintlet runs: $(cat "$LOGS/run.log")"
}

origin="0 0"
x_point() {
  local dx dy
  read -r dx dy <<<"$origin"
  echo $(($1 + dx)) $(($2 + dy))
}
centre_of() {
  local left top right bottom
  read -r left top right bottom <<<"$(probe item Tintlet "$1")" || return 1
  x_point $(((left + right) / 2)) $(((top + bottom) / 2))
}

press_pipette() {
  local left top right bottom x y
  read -r left top right bottom <<<"$(probe item Tintlet IDC_PICKER)" || fail "no pipette"
  x=$(((left + right) / 2)) y=$(((top + bottom) / 2))
  # shellcheck disable=SC2046 # the two numbers
  xdo mousemove --sync $(x_point "$x" "$y") mousedown 1 || fail "no press on the pipette"
  probe text Tintlet IDC_COORDINATES "$x, $y" 5000 || fail "the press on the pipette sampled nothing"
  # shellcheck disable=SC2046 # the two numbers
  xdo mousemove --sync $(x_point $((x + 5)) "$y") || fail "no move after the press on the pipette"
}

drag_stop() {
  local where=$1 x=$2 y=$3 colour=$4 shown
  shift 4
  # shellcheck disable=SC2046 # the two numbers
  xdo mousemove --sync $(x_point "$x" "$y") || fail "no drag to $where"
  readouts "$where" "$@" "$x, $y"
  # shellcheck disable=SC2046 # the two numbers
  shown=$(pixels $(centre_of IDC_SWATCH)) || fail "no swatch"
  [ "$shown" = "$colour" ] || fail "the swatch shows $shown $where, not $colour"
}

drag_stream() {
  local rate=$1 y=$2 x0=$3 x1=$4 end="$5, $6" x pause moves=() watcher seen off shown
  pause=$(awk -v r="$rate" 'BEGIN { printf "%.4f", 1 / r }')
  for x in $(seq "$x0" "$x1") $(seq "$x1" -1 "$x0"); do
    # shellcheck disable=SC2046 # the two numbers
    moves+=(mousemove $(x_point "$x" "$y") sleep "$pause")
  done
  seen=$LOGS/stream-$rate.txt
  # Straight to the file: probe's pipe would hold the lines back until the watch ends.
  "$WINE" "$WINPROBE" watch Tintlet IDC_COORDINATES "$end" 30000 >"$seen" &
  watcher=$!
  settle grep -q . "$seen" || fail "no watch on the Coordinates"
  xdo "${moves[@]}" || fail "no stream of moves at $rate a second"
  drag_stop "after the stream at $rate a second" "${@:5}"
  wait "$watcher" || fail "the watch never saw \"$end\" after the stream at $rate a second"
  # The first text is the one before the stream, the last the end point's.
  off=$(tr -d '\r' <"$seen" | sed '1d;$d' | awk -F', ' -v y="$y" -v a="$x0" -v b="$x1" '$1 < a - 1 || $1 > b + 1 || $2 < y - 1 || $2 > y + 1')
  shown=$(($(wc -l <"$seen") - 2))
  [ -z "$off" ] || fail "$rate moves a second along row $y: $(wc -l <<<"$off") of $shown points shown off the path, as \"$(head -3 <<<"$off" | paste -sd '|' | sed 's/|/", "/g')\""
  [ "$shown" -ge 20 ] || fail "$rate moves a second along row $y: only $shown points shown, too few to judge"
  echo "$rate moves a second along row $y: $shown points shown, each within a pixel of the path"
}

tintlet_end() {
  local what=${1:-run.sh} log=${2:-$LOGS/run.log}
  probe close Tintlet || fail "cannot close the dialog"
  settle tintlet_ended || fail "$what did not end when the dialog closed"
  wait "$run_pid" || fail "$what ended with status $?: $(cat "$log")"
  run_pid=
}
tintlet_ended() { ! kill -0 "$run_pid" 2>/dev/null; }

# By RandR: one screen of the dummy driver, as big as the monitors' bounding box, cut into
# monitors; Wine 8 and 10 both read such a layout. By Xinerama: one screen of the dummy
# driver per monitor, joined, where RandR is off; Wine 10 puts every monitor at 0,0 there.
heads_start() {
  local conf=$LOGS/xorg.conf layout=${2:-randr} w h x y width=0 height=0 modes=() heads=() placed="" i=0
  local args=(--output DUMMY0 --primary)
  while read -r w h x y; do
    [ -n "$w" ] || continue
    width=$((x + w > width ? x + w : width)) height=$((y + h > height ? y + h : height))
    modes+=("${w}x$h") heads+=("$w $h $x $y")
    [ $i = 0 ] || args+=(--output "DUMMY$i")
    args+=(--mode "${w}x$h" --pos "${x}x$y")
    i=$((i + 1))
  done <<<"$1"
  {
    printf 'Section "ServerFlags"\n  Option "AutoAddDevices" "false"\n  Option "AllowEmptyInput" "true"\n'
    [ "$layout" = randr ] || printf '  Option "Xinerama" "true"\n'
    printf '  Option "DontVTSwitch" "true"\nEndSection\n'
    printf 'Section "Monitor"\n  Identifier "Monitor"\n  HorizSync 5.0-1000.0\n  VertRefresh 5.0-200.0\n'
    for w in $(printf '%s\n' "${modes[@]}" | sort -u); do
      h=${w#*x} w=${w%x*}
      printf '  Modeline "%dx%d" 60.0 %d %d %d %d %d %d %d %d\n' "$w" "$h" "$w" $((w + 40)) $((w + 168)) \
        $((w + 256)) "$h" $((h + 1)) $((h + 5)) $((h + 28))
    done
    printf 'EndSection\n'
    if [ "$layout" = randr ]; then
      heads_screen "" "$width" "$height" "${modes[0]}"
    else
      for i in "${!heads[@]}"; do
        read -r w h x y <<<"${heads[$i]}"
        heads_screen "$i" "$w" "$h" "${w}x$h"
        placed+="  Screen $i \"Screen$i\" Absolute $x $y\n"
      done
      printf 'Section "ServerLayout"\n  Identifier "Layout"\n%bEndSection\n' "$placed"
    fi
  } >"$conf"
  # Xorg takes the first free display itself and names it when it is ready: the test's
  # own number could be taken by another X server starting at the same time.
  Xorg -displayfd 3 -config "$conf" -noreset -nolisten tcp -logfile "$LOGS/xorg.log" 3>"$LOGS/display" \
    >"$LOGS/xorg.out" 2>&1 </dev/null &
  heads_pid=$!
  settle grep -q . "$LOGS/display" || fail "Xorg did not come up: see $LOGS/xorg.log"
  DISPLAY=":$(cat "$LOGS/display")"
  export DISPLAY
  if [ "$layout" != randr ]; then
    xdpyinfo -ext XINERAMA | sed -n 's/^ *head #[0-9]*: \([0-9]*\)x\([0-9]*\) @ \([0-9]*\),\([0-9]*\)$/\1 \2 \3 \4/p' \
      >"$LOGS/monitors"
    [ "$(cat "$LOGS/monitors")" = "$(printf '%s\n' "${heads[@]}")" ] ||
      fail "Xinerama did not take the layout: $(cat "$LOGS/monitors")"
    return
  fi
  for ((i = 1; i < ${#modes[@]}; i++)); do
    xrandr --addmode "DUMMY$i" "${modes[$i]}" || fail "no mode ${modes[$i]} for monitor $i"
  done
  xrandr --fb "${width}x$height" "${args[@]}" || fail "RandR would not lay out the monitors"
  # Wine finds only one monitor until a client has asked for them once, as xrandr does.
  xrandr --listmonitors >"$LOGS/monitors" && [ "$(grep -c '^ [0-9]*: ' "$LOGS/monitors")" = "$i" ] ||
    fail "RandR did not take the layout: $(cat "$LOGS/monitors")"
}

# heads_screen N W H MODE: the dummy driver's screen "ScreenN" on a card of its own, W by H.
heads_screen() {
  printf 'Section "Device"\n  Identifier "Card%s"\n  Driver "dummy"\n  VideoRam %d\nEndSection\n' "$1" \
    $(($2 * $3 * 4 / 1024 + 1024))
  printf 'Section "Screen"\n  Identifier "Screen%s"\n  Device "Card%s"\n  Monitor "Monitor"\n  DefaultDepth 24\n' "$1" "$1"
  printf '  SubSection "Display"\n    Depth 24\n    Virtual %d %d\n    Modes "%s"\n  EndSubSection\nEndSection\n' \
    "$2" "$3" "$4"
}
