# Sourced by every script that runs Windows programs: the one place that knows how
# Tintlet meets Wine and the X server. Functions:
#   tintlet_wine_enter "$@" under WINE=10, run the calling script again in the Debian 13 root
#   tintlet_wine_arch       the build the tests run (i686 or x86_64)
#   tintlet_say_arch        two lines: which build runs, and why; which Wine runs it
#   tintlet_prefix [KIND]   make the private Wine prefix of that build once, and use it
#   tintlet_prefix_use KIND use the prefix of that kind (desktop or display) from here on
#   tintlet_prefix_scaled DPI  use the desktop prefix's twin whose system DPI is DPI, made once
#   tintlet_xvfb_start      start a private Xvfb, export DISPLAY
#   tintlet_wine_services   start Wine's background processes with output to a file
#   tintlet_xinput_start    let Windows test programs drive real X input (xdotool)
#   tintlet_session_start [--xinput]  all of the above a private X session needs, and
#                           a trap that stops it at exit
#   tintlet_launch EXE LOG  start Tintlet and wait for its dialog
#   tintlet_shoot FILE L T R B [X Y]  save a part of the screen
#   tintlet_stop            stop what this shell started (wineserver, Xvfb)
# TINTLET_TEST_ARCH=i686|x86_64 overrides the decision (ctest's emulator passes the
# architecture its build tree was configured for). TINTLET_WINE (make's WINE=) says
# which Wine: 8, this Debian 12 machine's own, or 10, Debian 13's.

TINTLET_ROOT=${TINTLET_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]:-$0}")/.." && pwd)}
TINTLET_BUILD=${TINTLET_BUILD:-$TINTLET_ROOT/build}
# The installed launcher: Wine's settings and the start-up on a display, shared with it.
. "$TINTLET_ROOT/scripts/tintlet"
# The tests, `make run` and the benchmarks run Debian's Wine: its 32-bit loader.
TINTLET_WINE32=/usr/lib/wine/wine
TINTLET_WINE=${TINTLET_WINE:-8}
case $TINTLET_WINE in
8 | 10) ;;
*)
  echo "wine: no Wine $TINTLET_WINE here: WINE=8 (this machine's, Debian 12's) or WINE=10 (Debian 13's)" >&2
  return 2 2>/dev/null || exit 2
  ;;
esac
export TINTLET_WINE
# Each Wine has its prefixes and session files apart: Wine 10 upgrades a prefix in a way
# Wine 8 cannot use.
TINTLET_STATE=$TINTLET_BUILD
[ "$TINTLET_WINE" = 8 ] || TINTLET_STATE=$TINTLET_BUILD/wine$TINTLET_WINE
TINTLET_SCREEN=1024x768

# Some kernels run no 32-bit processes at all (ia32 emulation off); there the 64-bit
# build of the same sources stands in for the shipped 32-bit one. Whether they do is
# found by starting Wine's 32-bit loader, a 32-bit program.
tintlet_runs_32bit() {
  "$TINTLET_WINE32" --version >/dev/null 2>&1
}

if [ -z "${TINTLET_TEST_ARCH:-}" ]; then
  if tintlet_runs_32bit; then TINTLET_TEST_ARCH=i686; else TINTLET_TEST_ARCH=x86_64; fi
  TINTLET_ARCH_WHY=decided
else
  TINTLET_ARCH_WHY=asked
fi
export TINTLET_TEST_ARCH

# Debian 13's Wine 10 runs from a root of its own (scripts/wine-root.sh), with the host's
# checkout and build trees: a script that runs Windows programs calls this first, and
# under WINE=10 it starts that script again in there.
tintlet_wine_enter() {
  [ "$TINTLET_WINE" = 10 ] && [ -z "${TINTLET_IN_WINE_ROOT:-}" ] || return 0
  # The root's Wine decides the build again, unless one was asked for.
  [ "$TINTLET_ARCH_WHY" = asked ] || unset TINTLET_TEST_ARCH
  exec bash "$TINTLET_ROOT/scripts/wine-root.sh" enter bash "$(cd "$(dirname "$0")" && pwd)/$(basename "$0")" "$@"
}

tintlet_wine_arch() {
  echo "$TINTLET_TEST_ARCH"
}

tintlet_say_arch() {
  local what="the shipped i686 build"
  [ "$TINTLET_TEST_ARCH" = i686 ] || what="the x86_64 build of the same sources"
  if [ "$TINTLET_ARCH_WHY" = asked ]; then
    echo "wine: running $what, as TINTLET_TEST_ARCH=$TINTLET_TEST_ARCH asks"
  elif [ "$TINTLET_TEST_ARCH" = i686 ]; then
    echo "wine: running $what: this kernel runs 32-bit programs"
  else
    echo "wine: running $what in place of the shipped i686 one: this kernel does not run 32-bit programs ($TINTLET_WINE32 did not start)"
  fi
  if [ "$TINTLET_WINE" = 8 ]; then
    echo "wine: $("$WINE" --version 2>/dev/null), this machine's own (WINE=10 runs Debian 13's)"
  else
    echo "wine: $("$WINE" --version 2>/dev/null), Debian 13's, from the root ${TINTLET_WINE_ROOT:-made by scripts/wine-root.sh}, as WINE=$TINTLET_WINE asks"
  fi
}

# Each build has a prefix of its own: a 32-bit program in a 64-bit (WoW64) prefix
# finds no GDI handle table in its PEB, and the 64-bit build cannot run in a 32-bit one.
if [ "$TINTLET_TEST_ARCH" = i686 ]; then
  WINE=$TINTLET_WINE32
  export WINEARCH=win32
else
  WINE=/usr/lib/wine/wine64
  export WINEARCH=win64
fi
export WINELOADER=$WINE WINE
# Two kinds of prefix per build. "desktop", the tests' one (and the one in use until
# tintlet_prefix_use says otherwise), puts every program in one Wine virtual desktop the
# size of the X screen, so Windows screen coordinates are X coordinates, Wine draws
# captions itself and nothing outside Wine shows. "display", for `make run` on a real
# display, leaves it off: Tintlet is an ordinary window there and samples the whole screen.
# That one is its user's (the DPI set with winecfg, say): TINTLET_DISPLAY_PREFIX gives the
# tests a display prefix of their own.
TINTLET_PREFIX_BASE=${TINTLET_WINEPREFIX:-$TINTLET_STATE/wineprefix-$TINTLET_TEST_ARCH}
export WINEPREFIX=$TINTLET_PREFIX_BASE

tintlet_prefix_use() {
  case $1 in
  desktop) WINEPREFIX=$TINTLET_PREFIX_BASE ;;
  display) WINEPREFIX=${TINTLET_DISPLAY_PREFIX:-$TINTLET_PREFIX_BASE-display} ;;
  *) echo "wine: no $1 prefix (desktop or display)" >&2; return 2 ;;
  esac
}

# A display prefix is the launcher's kind (scripts/tintlet).
tintlet_prefix() {
  local kind=${1:-desktop}
  tintlet_prefix_use "$kind" || return 1
  [ "$kind" = desktop ] || { tintlet_display_prefix; return; }
  [ -f "$WINEPREFIX/.tintlet-ready" ] || tintlet_prefix_make tintlet_prefix_desktop_on || return 1
  tintlet_prefix_arch || return 1
  # The setting may have been changed since (winecfg), or TINTLET_WINEPREFIX may name a
  # prefix made elsewhere: the tests would get another screen.
  if [ "$(tintlet_prefix_desktop)" != Default ]; then
    echo "wine: $WINEPREFIX does not put programs in the virtual desktop \"Default\" the tests need; remove it to have it made again" >&2
    return 1
  fi
  tintlet_prefix_fonts
}

# Wine reads the system DPI (LogPixels) as its server starts, so a DPI is a prefix's own.
tintlet_prefix_scaled() {
  WINEPREFIX=$TINTLET_PREFIX_BASE-${1}dpi
  { [ -f "$WINEPREFIX/.tintlet-ready" ] || tintlet_prefix_make tintlet_prefix_dpi_on "$1"; } && tintlet_prefix_fonts
}

tintlet_prefix_dpi_on() {
  tintlet_prefix_desktop_on &&
    "$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1 &&
    wineserver -w
}

tintlet_prefix_desktop_on() {
  "$WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1 &&
    "$WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$TINTLET_SCREEN" /f >/dev/null 2>&1 &&
    wineserver -w
}

tintlet_xvfb_start() {
  local n=${1:-90} log
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  mkdir -p "$TINTLET_STATE"
  log=$TINTLET_STATE/xvfb-$n.log
  Xvfb ":$n" -screen 0 "${TINTLET_SCREEN}x24" -nolisten tcp >"$log" 2>&1 </dev/null &
  TINTLET_XVFB_PID=$!
  export DISPLAY=":$n"
  for _ in $(seq 100); do
    [ -e "/tmp/.X11-unix/X$n" ] && return 0
    kill -0 "$TINTLET_XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  echo "xvfb: display :$n did not come up, see $log" >&2
  return 1
}

# Wine's background processes (services, the desktop) inherit the output of whichever
# program starts them first. Started here, they hold a log file instead of the pipe
# ctest reads each test's output from, which would keep a test open until they exit.
tintlet_wine_services() {
  "$WINE" cmd /c exit >"$TINTLET_STATE/wine-services.log" 2>&1 </dev/null
}

tintlet_xinput_start() {
  local dir="$TINTLET_STATE/xinput-${DISPLAY#:}"
  rm -rf "$dir" && mkdir -p "$dir" && mkfifo "$dir/request" "$dir/reply" || return 1
  "$TINTLET_ROOT/scripts/xinput-bridge.sh" "$dir" >"$dir/bridge.log" 2>&1 </dev/null &
  TINTLET_XINPUT_PID=$!
  export TINTLET_XINPUT=$dir
}

# The start of every script that runs Windows programs on a private X server. Wine's
# server is kept a minute after its last program, so one test does not pay for the
# next one's start; tintlet_stop ends it at exit.
tintlet_session_start() {
  trap tintlet_stop EXIT INT TERM
  tintlet_xvfb_start 90 || return 1
  if [ "${1:-}" = --xinput ]; then
    tintlet_xinput_start || return 1
  fi
  tintlet_prefix || return 1
  wineserver -p60 >/dev/null 2>&1 </dev/null
  tintlet_wine_services
}

# Starts EXE with its output in LOG and waits for its dialog: TINTLET_APP_PID is the
# program's process, TINTLET_DIALOG the dialog's screen rectangle (left top right bottom).
tintlet_launch() {
  "$WINE" "$1" >"$2" 2>&1 </dev/null &
  TINTLET_APP_PID=$!
  TINTLET_DIALOG=$("$WINE" "$(dirname "$1")/winprobe.exe" wait Tintlet 30000 | tr -d '\r')
}

# tintlet_shoot FILE LEFT TOP RIGHT BOTTOM [X Y]: the screen inside the rectangle, as a
# small palette PNG. X screenshots leave the pointer out, so with X Y the program's own
# pipette cursor (CURSOR, a .cur file) is drawn in with its hot spot there.
tintlet_shoot() {
  local file=$1 l=$2 t=$3 r=$4 b=$5 cursor=()
  if [ $# -ge 7 ]; then
    local cur=$TINTLET_BUILD/$TINTLET_TEST_ARCH/res/generated/picker.cur hot_x hot_y
    # The hot spot is the first directory entry's planes and bit count fields.
    hot_x=$(od -A n -t u2 -j 10 -N 2 "$cur") && hot_y=$(od -A n -t u2 -j 12 -N 2 "$cur") || return 1
    cursor=("$cur" -geometry "+$(($6 - hot_x))+$(($7 - hot_y))" -composite)
  fi
  /usr/bin/import -display "$DISPLAY" -window root "$TINTLET_BUILD/screenshot.png" &&
    /usr/bin/convert "$TINTLET_BUILD/screenshot.png" "${cursor[@]}" -crop "$((r - l))x$((b - t))+$l+$t" +repage \
      -strip +dither -colors 256 "PNG8:$file"
}

tintlet_stop() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "${TINTLET_XINPUT_PID:-}" ]; then
    kill "$TINTLET_XINPUT_PID" 2>/dev/null || true
    wait "$TINTLET_XINPUT_PID" 2>/dev/null || true
    TINTLET_XINPUT_PID=
  fi
  if [ -n "${TINTLET_XVFB_PID:-}" ]; then
    kill "$TINTLET_XVFB_PID" 2>/dev/null || true
    wait "$TINTLET_XVFB_PID" 2>/dev/null || true
    TINTLET_XVFB_PID=
  fi
}
