#!/usr/bin/env bash
# Installs the Debian packages Tintlet needs, with sudo when not root.
#   setup.sh run      what building and running Tintlet.exe needs
#   setup.sh install  that, and what packing the release for `make install` needs
#   setup.sh all      all that, and what the tests, benchmarks and the clang build need
#   setup.sh wayland  all that, and the headless Wayland compositor scripts/wayland.sh runs
# With TINTLET_WINE=10 (make's WINE=10) a run gets what makes Debian 13's Wine root too.
# Idempotent: does nothing when everything is already there. A mirror that serves a
# broken index is survived where apt can still resolve the packages (see install).
set -euo pipefail
what=${1:-all}
log_dir=${TINTLET_BUILD:-$(cd "$(dirname "$0")/.." && pwd)/build}
update_tries=$(( ${TINTLET_APT_TRIES:-3} > 0 ? ${TINTLET_APT_TRIES:-3} : 1 ))
update_pause=${TINTLET_APT_PAUSE:-5}

# Wine goes in as a user's `apt-get install wine wine32:i386` puts it, with the
# libraries its libwine recommends: it loads them at run time, and without them it has
# no monitor layout (Xinerama), no display modes (XRandR, XF86VidMode), no XInput2, no
# XFixes clipboard notifications, no colour X cursors (Xcursor) and no XComposite.
# The 32-bit ones are named so that a machine set up without them gets them.
wine_packages=(
  wine wine32:i386 wine64 fonts-wine
  libxinerama1:i386 libxrandr2:i386 libxcursor1:i386 libxi6:i386 libxfixes3:i386
  libxcomposite1:i386 libxxf86vm1:i386 libxrender1:i386
)
run_packages=(
  cmake make python3
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686
  xvfb imagemagick
)
# The x86_64 build stands in where the kernel runs no 32-bit programs, and the tests
# run it as well where it does.
x86_64_packages=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64)
# make dist's zip, and the SHA256SUMS make install checks the exe against.
install_packages=(zip)
# The install test validates the desktop entry (desktop-file-utils) and reads the icons out
# of the exe (icoutils).
test_packages=(
  googletest
  clang lld clang-format
  xdotool xclip x11-utils x11-xserver-utils openbox
  xserver-xorg-core xserver-xorg-video-dummy
  unzip desktop-file-utils icoutils
)
# A Wayland session with Xwayland, and a Wayland program's window (weston-simple-shm).
wayland_packages=(weston xwayland)
# WINE=10 runs Debian 13's Wine from a root made and entered with these.
wine_root_packages=(mmdebstrap bubblewrap)

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
updated=""

missing() {
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
  done
}

# A mirror in the middle of a sync serves some index with the wrong size for hours:
# apt-get update then fails on that one index and keeps the lists it did get. A few
# tries, then the install goes on with those.
update() {
  [ -n "$updated" ] && return 0
  updated=yes
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
  fi
  local try log=$log_dir/apt-update.log
  for try in $(seq "$update_tries"); do
    if $sudo apt-get update >"$log" 2>&1 && ! grep -q '^E: ' "$log"; then
      return 0
    fi
    [ "$try" -lt "$update_tries" ] && sleep "$update_pause"
  done
  local failed
  failed=$(sed -n 's/^E: Failed to fetch \([^ ]*\).*/\1/p' "$log" | paste -sd ' ')
  echo "setup: apt-get update failed $update_tries times (${failed:-see $log}); going on with the package lists apt has"
}

# An install that cannot resolve (seen: the i386 index of the security updates missing
# while the amd64 side has their versions) is tried once more preferring the release's
# own versions.
install() {
  local recommends=$1
  shift
  [ $# -eq 0 ] && return 0
  local start=$SECONDS log=$log_dir/apt-install.log options=(-y -q)
  [ "$recommends" = with-recommends ] || options+=(--no-install-recommends)
  update
  echo "setup: downloading and installing $# packages: $*"
  if ! $sudo apt-get install "${options[@]}" "$@" >"$log" 2>&1; then
    echo "setup: apt could not install them from the current package lists; trying once more with $codename's own versions (-t $codename)"
    if ! $sudo apt-get install "${options[@]}" -t "$codename" "$@" >"$log" 2>&1; then
      grep -E '^(E:|W:| )' "$log" | tail -15 >&2 || true
      echo "setup: could not install $*: apt cannot resolve them from the package lists the mirror serves now (whole log: $log); try again later, when the mirror has synced" >&2
      exit 1
    fi
  fi
  echo "setup: installed in $((SECONDS - start)) s"
}

mkdir -p "$log_dir"
wanted=("${run_packages[@]}")
[ "$what" = run ] || wanted+=("${install_packages[@]}")
[ "$what" = run ] || [ "$what" = install ] || wanted+=("${x86_64_packages[@]}" "${test_packages[@]}")
[ "$what" != wayland ] || wanted+=("${wayland_packages[@]}")
{ [ "$what" = run ] || [ "$what" = install ]; } && [ "${TINTLET_WINE:-8}" = 8 ] || wanted+=("${wine_root_packages[@]}")
# shellcheck disable=SC2046 # one package name a line
install with-recommends $(missing "${wine_packages[@]}")
# shellcheck disable=SC2046
install without-recommends $(missing "${wanted[@]}")
# Which build runs is known only once Wine is there to try a 32-bit program with.
if { [ "$what" = run ] || [ "$what" = install ]; } && [ "$(bash -c '. "$1"; tintlet_wine_arch' - "$(dirname "$0")/wine-env.sh")" = x86_64 ]; then
  # shellcheck disable=SC2046
  install without-recommends $(missing "${x86_64_packages[@]}")
fi
