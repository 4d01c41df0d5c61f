#!/usr/bin/env bash
# Lays every C++ source of the project out by .clang-format.
#   format.sh          rewrite the files that are not in that layout
#   format.sh --check  only list them, and fail when there is one
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t sources < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = --check ]; then
  bad=()
  for f in "${sources[@]}"; do
    clang-format --dry-run --Werror "$f" >/dev/null 2>&1 || bad+=("$f")
  done
  if [ ${#bad[@]} -ne 0 ]; then
    printf 'format: not in the .clang-format layout (make format mends them): %s\n' "${bad[@]}" >&2
    exit 1
  fi
  echo "format: all ${#sources[@]} sources are in the .clang-format layout"
else
  clang-format -i "${sources[@]}"
fi
