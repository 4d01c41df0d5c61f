#!/usr/bin/env bash
# Runs every test of the build tree the tests run through ctest, under a private Xvfb
# and that build's Wine prefix. Usage: test.sh [ctest arguments]
set -u
. "$(dirname "$0")/wine-env.sh"
dir=$TINTLET_BUILD/$TINTLET_TEST_ARCH
tintlet_say_arch
tintlet_session_start --xinput || exit 1
ctest --test-dir "$dir" --output-on-failure --no-tests=error "$@"
