#!/usr/bin/env bash
# The Debian 13 root that brings Wine 10 and the X tools for `WINE=10` runs, made once
# per machine from Debian's packages and reused.
#   wine-root.sh make        make the root unless a whole one is there
#   wine-root.sh enter CMD   run CMD inside it, with this checkout and its build tree
# Entering uses bubblewrap, whose mounts live in a namespace of their own and go with
# its last process, so nothing stays mounted after a run, even a failed or killed one.
# The root is made the same way (mmdebstrap in a private mount namespace).
set -euo pipefail
checkout=$(cd "$(dirname "$0")/.." && pwd)
build=${TINTLET_BUILD:-$checkout/build}
suite=trixie
root=${TINTLET_WINE_ROOT:-${XDG_CACHE_HOME:-$HOME/.cache}/tintlet/debian-13}
# What the tests run inside: Wine as a user installs it (with recommends, see setup.sh),
# and the X server and tools the scripts and tests drive.
wine_packages=(wine wine32:i386 wine64 fonts-wine)
tool_packages=(
  xvfb xauth xdotool xclip x11-utils x11-xserver-utils openbox
  xserver-xorg-core xserver-xorg-video-dummy
  imagemagick procps cmake unzip
)
stamp=$root/.tintlet-root

# The host's own Debian mirror, from its apt sources: the root comes from where the
# machine's other packages do.
mirror() {
  local uri
  uri=$(sed -n 's/^URIs: *\([^ ]*\).*/\1/p' /etc/apt/sources.list.d/*.sources 2>/dev/null | grep -v -- '-security' | head -1)
  [ -n "$uri" ] || uri=$(sed -n 's/^deb \(\[[^]]*\] \)\?\([^ ]*\) .*/\2/p' /etc/apt/sources.list 2>/dev/null | grep -v -- '-security' | head -1)
  [ -n "$uri" ] || { echo "wine-root: no Debian mirror in this machine's apt sources" >&2; return 1; }
  echo "$uri"
}

wanted() {
  echo "${wine_packages[*]} | ${tool_packages[*]}"
}

# One making at a time, by any checkout of this machine: two would clear each other's
# folders.
make_root() {
  mkdir -p "$(dirname "$root")"
  (
    flock 9
    make_root_locked
  ) 9>"$root.lock"
}

make_root_locked() {
  # A root is whole only when its last step wrote the stamp, for these packages.
  if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$(wanted)" ] && [ -x "$root/usr/lib/wine/wine64" ]; then
    return 0
  fi
  local start=$SECONDS partial=$root.partial log=$build/wine-root.log uri
  uri=$(mirror)
  mkdir -p "$build"
  if [ -f "$stamp" ]; then
    echo "wine-root: $root was made for other packages; making it again"
  elif [ -e "$root" ]; then
    echo "wine-root: $root is not a whole root (an earlier making stopped half-way?); making it again"
  fi
  rm -rf "$partial" "$root"
  echo "wine-root: making the Debian 13 root with Wine 10 in $root (once per machine; about a minute and a half)"
  local include
  include=$(IFS=,; echo "${tool_packages[*]}")
  if ! unshare --mount --propagation private mmdebstrap --mode=root --variant=minbase --architectures=amd64,i386 \
    --include="$include" \
    --customize-hook="chroot \"\$1\" apt-get install -y -q --install-recommends ${wine_packages[*]}" \
    --customize-hook='chroot "$1" apt-get clean' \
    "$suite" "$partial" "$uri" >"$log" 2>&1; then
    grep -E '^(E:|W:)' "$log" | tail -10 >&2 || true
    echo "wine-root: could not make the Debian 13 root (whole log: $log); try again later if the mirror is syncing" >&2
    rm -rf "$partial"
    return 1
  fi
  wanted >"$partial/.tintlet-root"
  mv "$partial" "$root"
  echo "wine-root: made in $((SECONDS - start)) s: $(wine_version)"
}

enter() {
  # The host's paths of this checkout and its build tree are the same inside, so build
  # trees configured on the host run as they are. /tmp, /run and HOME are the root's
  # own and empty at each entry: private X servers and Wine's server live there. The
  # network is its own too, for X's abstract sockets: a private X server inside must not
  # meet the host's of the same number. A display the caller already has is reached
  # through the host's X socket files.
  local display=()
  # Mount points in the read-only root, made on the host.
  mkdir -p "$root$checkout" "$root$build" "$root/var/lib/xkb"
  if [ -n "${DISPLAY:-}" ] && [ -d /tmp/.X11-unix ]; then
    display=(--bind /tmp/.X11-unix /tmp/.X11-unix)
    [ -f "${XAUTHORITY:-}" ] && display+=(--ro-bind "$XAUTHORITY" "$XAUTHORITY")
  fi
  bwrap --ro-bind "$root" / --dev /dev --proc /proc --tmpfs /tmp --tmpfs /run --tmpfs /root --tmpfs /var/lib/xkb \
    "${display[@]}" --bind "$checkout" "$checkout" --bind "$build" "$build" \
    --unshare-pid --unshare-ipc --unshare-net --die-with-parent \
    --setenv HOME /root --setenv PATH /usr/sbin:/usr/bin:/sbin:/bin \
    --setenv TINTLET_IN_WINE_ROOT 1 --setenv TINTLET_WINE_ROOT "$root" \
    --chdir "$PWD" -- "$@"
}

wine_version() {
  enter /usr/lib/wine/wine64 --version 2>/dev/null
}

case ${1:-} in
make) make_root ;;
enter)
  shift
  make_root
  enter "$@"
  ;;
*)
  echo "usage: wine-root.sh make | enter CMD..." >&2
  exit 2
  ;;
esac
