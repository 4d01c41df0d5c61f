#!/usr/bin/env bash
# Builds Tintlet.exe again from the same sources in a fresh folder and packs it again: the
# exe, the zip and SHA256SUMS come out byte-identical to the shipped ones. The shipped exe
# names neither the source folder nor its build folder, which would tie it to this machine.
# Usage: reproduce.sh SOURCE_DIR SHIPPED_EXE ZIP
set -u
src=$1 shipped=$2 zip=$3
[ -f "$shipped" ] || { echo "no shipped exe at $shipped" >&2; exit 1; }
[ -f "$zip" ] || { echo "no zip at $zip (make dist builds it)" >&2; exit 1; }
fail=0
text=$(i686-w64-mingw32-strings -a "$shipped" && i686-w64-mingw32-strings -a -el "$shipped") || exit 1
for dir in "$src" "$(cd "$(dirname "$shipped")" && pwd)"; do
  if grep -qF "$dir" <<<"$text"; then
    echo "$shipped names the folder $dir" >&2
    fail=1
  fi
done

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
if ! { cmake -S "$src" -B "$tmp/build" -DCMAKE_TOOLCHAIN_FILE="$src/cmake/mingw-toolchain.cmake" -DTINTLET_ARCH=i686 \
  -DTINTLET_TESTS=OFF && cmake --build "$tmp/build" --target Tintlet -j "${TINTLET_JOBS:-$(nproc)}"; } >"$tmp/build.log" 2>&1; then
  cat "$tmp/build.log" >&2
  echo "the second build in $tmp/build failed" >&2
  exit 1
fi
rebuilt=$tmp/build/Tintlet.exe
cmp "$shipped" "$rebuilt" || { cmp -l "$shipped" "$rebuilt" | head -8 >&2; fail=1; }

bash "$src/scripts/dist.sh" "$rebuilt" "$tmp/dist/$(basename "$zip")" >/dev/null || exit 1
cmp "$zip" "$tmp/dist/$(basename "$zip")" || fail=1
cmp "$(dirname "$zip")/SHA256SUMS" "$tmp/dist/SHA256SUMS" || fail=1
[ $fail = 0 ] && echo "a second build in $tmp/build gives the same Tintlet.exe, zip and SHA256SUMS"
exit $fail
