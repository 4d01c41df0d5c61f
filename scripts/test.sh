#!/usr/bin/env bash
# Runs every test through ctest under a private Xvfb and the project's Wine prefix.
# Usage: test.sh BUILD_DIR [ctest arguments]
set -u
dir=$1; shift
. "$(dirname "$0")/wine-env.sh"
trap tintlet_stop EXIT INT TERM
tintlet_xvfb_start 90 || exit 1
tintlet_xinput_start || exit 1
tintlet_prefix || exit 1
wineserver -p60 >/dev/null 2>&1 </dev/null
tintlet_wine_services
ctest --test-dir "$dir" --output-on-failure --no-tests=error "$@"
