#!/usr/bin/env bash
# Runs every test of the build tree the tests run through ctest, under a private Xvfb
# and that build's Wine prefix. Usage: test.sh [ctest arguments]
set -u
. "$(dirname "$0")/wine-env.sh"
dir=$TINTLET_BUILD/$TINTLET_TEST_ARCH
tintlet_say_arch
trap tintlet_stop EXIT INT TERM
tintlet_xvfb_start 90 || exit 1
tintlet_xinput_start || exit 1
tintlet_prefix || exit 1
wineserver -p60 >/dev/null 2>&1 </dev/null
tintlet_wine_services
ctest --test-dir "$dir" --output-on-failure --no-tests=error "$@"
