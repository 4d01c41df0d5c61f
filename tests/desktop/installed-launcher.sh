#!/usr/bin/env bash
# The installed launcher as a desktop starts it: `make install` in a throwaway home folder,
# then the desktop entry's Exec line, with a desktop session's bare environment, on an X
# server of this test's own under openbox beside a native X window, under a Wine that only
# PATH leads to: Debian's loaders copied elsewhere with links to its libraries, and its own
# places hidden. The launcher makes its Wine prefix in that home, saying so in one line; a
# real drag from the pipette reads the native window; closing the dialog ends the launcher
# with status 0; started again, in a Wayland session, it says in one line what Tintlet reads
# there; after uninstall nothing of Tintlet is left in that home. For the x86_64 build that
# Wine is 64-bit only: the launcher first says in one line why the shipped 32-bit exe cannot
# start (its 32-bit part is missing, or the kernel runs no 32-bit code), then the x86_64
# exe stands in for it.
# Usage: installed-launcher.sh ARCH DIST_DIR LOG_DIR
set -u -o pipefail
export TINTLET_TEST_ARCH=$1
DIST=$2 LOGS=$3
WINPROBE=$DIST/$TINTLET_TEST_ARCH/winprobe.exe
support=$(cd "$(dirname "$0")/../support" && pwd)
. "$support/desktop.sh"
. "$support/install.sh"
mkdir -p "$LOGS"
tintlet_xvfb_start 130 || fail "no X server"
desktop_start '#4080ff'
native Native red 300 200 600 400

# The loader of the suite's build, named wine (with wine64 beside a 32-bit one), and a
# 64-bit wineserver; Wine finds its libraries and data relative to the loader's folder.
wine=$LOGS/wine
rm -rf "$wine" && mkdir -p "$wine/bin" "$wine/lib/wine" "$wine/share" || fail "cannot make $wine"
if [ "$TINTLET_TEST_ARCH" = i686 ]; then
  cp /usr/lib/wine/wine /usr/lib/wine/wine64 "$wine/lib/wine/"
else
  cp /usr/lib/wine/wine64 "$wine/lib/wine/wine"
fi && cp /usr/lib/wine/wineserver64 "$wine/lib/wine/wineserver" || fail "cannot copy Wine's loader"
for triplet in x86_64-linux-gnu i386-linux-gnu; do
  mkdir -p "$wine/lib/$triplet" && ln -s "/usr/lib/$triplet/wine" "$wine/lib/$triplet/wine"
done
ln -s /usr/share/wine "$wine/share/wine" && ln -s ../lib/wine/wine ../lib/wine/wineserver "$wine/bin/" ||
  fail "cannot link Wine's files"

home_new
installer install
read -r -a command <<<"$(entry_line "$TEST_HOME/.local/share/applications/tintlet.desktop" Exec)"
# The probe and the stop at exit work in the launcher's prefix, of Wine's default kind.
unset WINEARCH
export WINEPREFIX=$TEST_HOME/.local/share/tintlet/wineprefix
# launcher [VAR=VALUE...]: the Exec line with a desktop session's variables, and these;
# Debian's Wine is hidden from it, so only PATH leads to one (in the Debian 13 root, which
# has no bubblewrap, PATH leads to the copy first).
hidden=()
command -v bwrap >/dev/null && hidden=(bwrap --dev-bind / / --tmpfs /usr/lib/wine --ro-bind /dev/null "$(readlink -f /usr/bin/wine)")
launcher() {
  (cd "$TEST_HOME" && exec "${hidden[@]}" env -i HOME="$TEST_HOME" DISPLAY="$DISPLAY" PATH="$wine/bin:$PATH" "$@" "${command[@]}") \
    >"$LOGS/launcher.log" 2>&1 </dev/null &
  run_pid=$!
}

if [ "$TINTLET_TEST_ARCH" = x86_64 ]; then
  launcher
  wait "$run_pid"
  status=$? run_pid=
  why="this Wine ($wine/bin/wine) does not start 32-bit Windows programs: its 32-bit part is missing; $(tintlet_wine_packages)"
  tintlet_runs_32bit || why="this kernel runs no 32-bit code (its IA-32 emulation is off), and Tintlet is a 32-bit Windows program: no Wine can start it here"
  said="tintlet: making the Wine prefix $WINEPREFIX, once ... failed: $why"
  [ $status != 0 ] && [ "$(cat "$LOGS/launcher.log")" = "$said" ] ||
    fail "with a 64-bit Wine the launcher ended with $status and said: $(cat "$LOGS/launcher.log")"
  echo "the shipped exe, with a 64-bit Wine: the launcher ended with $status and said: $said"
  cp "$DIST/x86_64/Tintlet.exe" "$TEST_HOME/.local/share/tintlet/Tintlet.exe" || fail "no x86_64 Tintlet.exe"
fi

launcher
made="tintlet: making the Wine prefix $WINEPREFIX, once \.\.\. made in [0-9]+ s"
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

installer uninstall
# fontconfig keeps a cache of its own there (in ~/.cache/fontconfig or ~/.fontconfig), for
# every program, where the system's is not up to date and not writable, as in the Debian 13 root.
left=$(leftovers "$TEST_HOME" | grep -vxE '\./\.cache|\./(\.cache/fontconfig|\.fontconfig)(/[^/]*)?')
[ -z "$left" ] || fail "uninstall left in the home folder:
$left"
echo "uninstall: nothing of Tintlet is left in the home folder"
echo "PASS"
