#!/usr/bin/env bash
# Configures and builds the shipped i686 tree and the tree the tests run (the same one
# where this kernel runs 32-bit programs).
#   build.sh run    only what running Tintlet.exe needs: the program (and the probe
#                   that finds its window when there is no display)
#   build.sh all    everything: tests, benchmarks and tools too
set -euo pipefail
what=${1:-all}
. "$(dirname "$0")/wine-env.sh"
version=$(bash "$TINTLET_ROOT/scripts/version.sh")
tests=ON
[ "$what" = run ] && tests=OFF

# Configured once, without the tests for a run; the generated build re-runs CMake
# itself when a CMake file changes, and a tree configured for a run gets its tests
# when everything is asked for.
build_tree() {
  local dir=$TINTLET_BUILD/$1 start=$SECONDS targets=()
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake --no-warn-unused-cli -S "$TINTLET_ROOT" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$TINTLET_ROOT/cmake/mingw-toolchain.cmake" \
      -DTINTLET_ARCH="$1" -DTINTLET_TESTS=$tests -DTINTLET_SHIPPED_EXE="$TINTLET_BUILD/i686/Tintlet.exe" \
      -DTINTLET_DIST_ZIP="$TINTLET_BUILD/Tintlet-$version.zip" >/dev/null
  elif [ $tests = ON ] && grep -q '^TINTLET_TESTS:BOOL=OFF' "$dir/CMakeCache.txt"; then
    cmake "$dir" -DTINTLET_TESTS=ON >/dev/null
  fi
  [ "$what" = run ] && targets=(--target Tintlet winprobe)
  echo "build: building the $1 tree ($what)"
  cmake --build "$dir" -j "${TINTLET_JOBS:-$(nproc)}" "${targets[@]}" >"$TINTLET_BUILD/build-$1.log" 2>&1 || {
    tail -40 "$TINTLET_BUILD/build-$1.log" >&2
    echo "build: the $1 build failed; the whole log is $TINTLET_BUILD/build-$1.log" >&2
    return 1
  }
  echo "build: the $1 tree built in $((SECONDS - start)) s"
}

mkdir -p "$TINTLET_BUILD"
build_tree i686
[ "$TINTLET_TEST_ARCH" = i686 ] || build_tree "$TINTLET_TEST_ARCH"
