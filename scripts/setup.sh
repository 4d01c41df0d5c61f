#!/usr/bin/env bash
# Installs the Debian packages Tintlet needs, with sudo when not root.
#   setup.sh run    what building and running Tintlet.exe needs
#   setup.sh all    that, and what the tests, benchmarks and the clang build need
# Idempotent: does nothing when everything is already there.
set -euo pipefail
what=${1:-all}

run_packages=(
  cmake make python3
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686
  wine wine32:i386 wine64 fonts-wine
  xvfb imagemagick
)
# The x86_64 build stands in where the kernel runs no 32-bit programs, and the tests
# run it as well where it does.
x86_64_packages=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64)
test_packages=(
  googletest
  clang lld clang-format
  xdotool xclip x11-utils x11-xserver-utils openbox
  zip unzip
)

missing() {
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
  done
}

install() {
  [ $# -eq 0 ] && return 0
  local sudo="" start=$SECONDS
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "setup: downloading and installing $# packages: $*"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
  fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "$@" >/dev/null
  echo "setup: installed in $((SECONDS - start)) s"
}

wanted=("${run_packages[@]}")
[ "$what" = run ] || wanted+=("${x86_64_packages[@]}" "${test_packages[@]}")
# shellcheck disable=SC2046 # one package name a line
install $(missing "${wanted[@]}")
# Which build runs is known only once Wine is there to try a 32-bit program with.
if [ "$what" = run ] && [ "$(bash -c '. "$1"; tintlet_wine_arch' - "$(dirname "$0")/wine-env.sh")" = x86_64 ]; then
  # shellcheck disable=SC2046
  install $(missing "${x86_64_packages[@]}")
fi
