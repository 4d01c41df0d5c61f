#!/usr/bin/env bash
# Configures and builds the shipped i686 tree and the tree the tests run (the same one
# where this kernel runs 32-bit programs). Usage: build.sh
set -euo pipefail
. "$(dirname "$0")/wine-env.sh"
version=$(bash "$TINTLET_ROOT/scripts/version.sh")

# Configured once; the generated build re-runs CMake itself when a CMake file changes.
build_tree() {
  local dir=$TINTLET_BUILD/$1
  [ -f "$dir/CMakeCache.txt" ] || cmake -S "$TINTLET_ROOT" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$TINTLET_ROOT/cmake/mingw-toolchain.cmake" \
    -DTINTLET_ARCH="$1" -DTINTLET_SHIPPED_EXE="$TINTLET_BUILD/i686/Tintlet.exe" \
    -DTINTLET_DIST_ZIP="$TINTLET_BUILD/Tintlet-$version.zip" >/dev/null
  cmake --build "$dir" -j "${TINTLET_JOBS:-$(nproc)}"
}

build_tree i686
[ "$TINTLET_TEST_ARCH" = i686 ] || build_tree "$TINTLET_TEST_ARCH"
