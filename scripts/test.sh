#!/usr/bin/env bash
# Runs every test of the build tree the tests run through ctest, under a private Xvfb
# and that build's Wine prefix. Usage: test.sh [ctest arguments]
set -u
. "$(dirname "$0")/wine-env.sh"
tintlet_wine_enter "$@"
dir=$TINTLET_BUILD/$TINTLET_TEST_ARCH
tintlet_say_arch
skip=()
# The root has Wine and the X tools, not the compilers that build the release again.
if [ -n "${TINTLET_IN_WINE_ROOT:-}" ]; then
  skip=(-LE builds)
  echo "wine: every test runs but the ones that build the release again (label \"builds\"): the root has no compilers"
fi
tintlet_session_start --xinput || exit 1
ctest --test-dir "$dir" --output-on-failure --no-tests=error "${skip[@]}" "$@"
