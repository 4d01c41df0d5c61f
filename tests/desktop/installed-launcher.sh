#!/usr/bin/env bash
# The installed launcher as a desktop starts it: `make install` in a throwaway home folder,
# then the desktop entry's Exec line, with a desktop session's bare environment, on an X
# server of this test's own under openbox beside a native X window. The launcher makes its
# Wine prefix in that home, saying so in one line; a real drag from the pipette reads the
# native window; closing the dialog ends the launcher with status 0; started again, in a
# Wayland session, it says in one line what Tintlet reads there; after uninstall nothing of
# Tintlet is left in that home. The launcher runs the shipped i686 exe: where the kernel
# runs no 32-bit programs it must say so and fail instead.
# Usage: installed-launcher.sh DIST_DIR WINPROBE_EXE LOG_DIR (WINPROBE_EXE an i686 one)
set -u -o pipefail
DIST=$1 WINPROBE=$2 LOGS=$3
support=$(cd "$(dirname "$0")/../support" && pwd)
. "$support/desktop.sh"
. "$support/install.sh"
mkdir -p "$LOGS"
tintlet_xvfb_start 130 || fail "no X server"
desktop_start '#4080ff'
native Native red 300 200 600 400

home_new
installer install
read -r -a command <<<"$(entry_line "$TEST_HOME/.local/share/applications/tintlet.desktop" Exec)"
# The probe and the stop at exit work in the launcher's prefix.
export WINE=$TINTLET_WINE32 WINELOADER=$TINTLET_WINE32 WINEARCH=win32
export WINEPREFIX=$TEST_HOME/.local/share/tintlet/wineprefix
# launcher [VAR=VALUE...]: the Exec line with a desktop session's variables, and these.
launcher() {
  (cd "$TEST_HOME" && exec env -i HOME="$TEST_HOME" DISPLAY="$DISPLAY" PATH="$PATH" "$@" "${command[@]}") \
    >"$LOGS/launcher.log" 2>&1 </dev/null &
  run_pid=$!
}
launcher

if ! tintlet_runs_32bit; then
  wait "$run_pid"
  status=$? run_pid=
  said="tintlet: 32-bit Wine ($TINTLET_WINE32) is installed but does not start: this kernel runs no 32-bit programs"
  [ $status != 0 ] && [ "$(cat "$LOGS/launcher.log")" = "$said" ] ||
    fail "on a kernel without 32-bit programs the launcher ended with $status and said: $(cat "$LOGS/launcher.log")"
  echo "this kernel runs no 32-bit programs: the launcher says so and ends with $status"
else
  made="tintlet: making the win32 Wine prefix $WINEPREFIX, once \.\.\. made in [0-9]+ s"
  prefix_made() { grep -qxE "$made" "$LOGS/launcher.log" || { tintlet_ended && fail "the launcher ended: $(cat "$LOGS/launcher.log")"; }; }
  for _ in $(seq 120); do prefix_made && break; sleep 1; done
  prefix_made || fail "the launcher did not say it made its prefix: $(cat "$LOGS/launcher.log")"
  probe wait Tintlet 30000 >/dev/null || fail "the Tintlet dialog did not appear"
  echo "first start: $(cat "$LOGS/launcher.log")"

  press_pipette
  xdo mousemove --sync 700 450 || fail "no drag to the native window"
  readouts "over the native window" "255, 0, 0" "FF, 00, 00" "000000FF" "#FF0000" "700, 450"
  xdo mouseup 1 || fail "no release"
  tintlet_end launcher "$LOGS/launcher.log"
  [ "$(wc -l <"$LOGS/launcher.log")" = 1 ] || fail "the launcher said more than its prefix line: $(cat "$LOGS/launcher.log")"
  echo "closing the dialog ended the launcher with status 0"

  # Started again, in a Wayland session: the prefix is there, and the one line says what
  # Tintlet reads there.
  launcher WAYLAND_DISPLAY=wayland-1
  probe wait Tintlet 30000 >/dev/null || fail "the Tintlet dialog did not appear at the second start"
  tintlet_end launcher "$LOGS/launcher.log"
  said="tintlet: in this Wayland session Tintlet reads every pixel as black (#000000), over X and Wayland programs' windows and the desktop alike: Xwayland lets X programs read no part of the screen; pick colours in an X11 session"
  [ "$(cat "$LOGS/launcher.log")" = "$said" ] || fail "the second start, in a Wayland session, said: $(cat "$LOGS/launcher.log")"
  echo "second start, in a Wayland session: $said"
  wineserver -w
fi

installer uninstall
# fontconfig keeps a cache of its own there (in ~/.cache/fontconfig or ~/.fontconfig), for
# every program, where the system's is not up to date and not writable, as in the Debian 13 root.
left=$(leftovers "$TEST_HOME" | grep -vxE '\./\.cache|\./(\.cache/fontconfig|\.fontconfig)(/[^/]*)?')
[ -z "$left" ] || fail "uninstall left in the home folder:
$left"
echo "uninstall: nothing of Tintlet is left in the home folder"
echo "PASS"
