#!/usr/bin/env bash
# Runs every test of the build tree the tests run through ctest, under a private Xvfb
# and that build's Wine prefix. Usage: test.sh [ctest arguments]
set -u
. "$(dirname "$0")/wine-env.sh"
dir=$TINTLET_BUILD/$TINTLET_TEST_ARCH
# Tests that run no Windows program but need tools of this machine's that the Debian 13
# root lacks (label "host") run here, before the rest go into the root.
if [ "$TINTLET_WINE" != 8 ] && [ -z "${TINTLET_IN_WINE_ROOT:-}" ]; then
  echo "wine: the tests that run no Windows program (label \"host\") run on this machine, the others in the Debian 13 root"
  ctest --test-dir "$dir" --output-on-failure --no-tests=ignore -L host "$@" || exit
fi
tintlet_wine_enter "$@"
tintlet_say_arch
skip=()
# The root has Wine and the X tools, not the compilers that build the release again, nor
# the tools of the host's tests.
if [ -n "${TINTLET_IN_WINE_ROOT:-}" ]; then
  skip=(-LE 'builds|host')
  echo "wine: every other test runs but the ones that build the release again (label \"builds\"): the root has no compilers"
fi
tintlet_session_start --xinput || exit 1
ctest --test-dir "$dir" --output-on-failure --no-tests=error "${skip[@]}" "$@"
