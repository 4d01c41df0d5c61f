#!/usr/bin/env bash
# `make run`'s Wine prefix is its user's: a desktop test at 144 DPI, started the way every
# desktop test starts Tintlet, leaves the DPI `make run` starts with as it was, and makes
# no such prefix where there was none.
# Usage: run-prefix-kept.sh ARCH TINTLET_EXE WINPROBE_EXE LOG_DIR
set -u -o pipefail
export TINTLET_TEST_ARCH=$1
exe=$2 WINPROBE=$3 LOGS=$4
. "$(dirname "$0")/../support/desktop.sh"
# Where run.sh puts it when no test has a say.
run_prefix=$(env -u TINTLET_DISPLAY_PREFIX bash -c '. "$1" && tintlet_prefix_use display && echo "$WINEPREFIX"' \
  - "$TINTLET_ROOT/scripts/wine-env.sh") || fail "no prefix for make run"
run_dpi() {
  [ -e "$run_prefix" ] || { echo "no prefix"; return; }
  echo "LogPixels: $(cd "$run_prefix" && grep -h '^"LogPixels"=' user.reg system.reg 2>/dev/null | tr '\n' ' ')"
}
before=$(run_dpi)

mkdir -p "$LOGS"
tintlet_xvfb_start 150 || fail "no X server"
desktop_start '#4080ff'
TINTLET_DPI=144 tintlet_start "$exe"
tintlet_end
[ "$(run_dpi)" = "$before" ] || fail "make run's prefix $run_prefix had $before before the test, now $(run_dpi)"
echo "make run's prefix $run_prefix: $before, before and after a desktop test at 144 DPI"
echo "PASS"
