#!/usr/bin/env bash
# `make install` in a throwaway home folder, as files: where each goes, a desktop entry that
# desktop-file-validate passes, icons whose pixels are the exe's own IDR_MAINFRAME images, a
# launcher that names the packages where Wine is missing, the same files from a second
# install, and an uninstall that removes all of it and nothing else; then a DESTDIR install
# that writes only under DESTDIR. Needs no Wine nor X server.
# Usage: install-files.sh DIST_DIR LOG_DIR
set -u -o pipefail
DIST=$1 LOGS=$2
support=$(cd "$(dirname "$0")/../support" && pwd)
. "$support/desktop.sh"
. "$support/install.sh"
mkdir -p "$LOGS"
home_new
home=$TEST_HOME
# A user's own entry, in a folder install also writes to: it stays.
mkdir -p "$home/.local/share/applications" && echo mine >"$home/.local/share/applications/mine.desktop"

installer install
files=$(leftovers "$home")
want="./.local
./.local/bin
./.local/bin/tintlet
./.local/share
./.local/share/applications
./.local/share/applications/mine.desktop
./.local/share/applications/tintlet.desktop
./.local/share/icons
./.local/share/icons/hicolor
./.local/share/icons/hicolor/16x16
./.local/share/icons/hicolor/16x16/apps
./.local/share/icons/hicolor/16x16/apps/tintlet.png
./.local/share/icons/hicolor/32x32
./.local/share/icons/hicolor/32x32/apps
./.local/share/icons/hicolor/32x32/apps/tintlet.png
./.local/share/tintlet
./.local/share/tintlet/Tintlet.exe
./.local/share/tintlet/installed"
[ "$files" = "$want" ] || fail "install wrote:
$files"
[ -x "$home/.local/bin/tintlet" ] || fail "the launcher is not executable"
cmp -s "$home/.local/share/tintlet/Tintlet.exe" "$DIST/Tintlet.exe" || fail "the installed exe is not the shipped one"
echo "install: the launcher, the exe, the desktop entry and two icons under ~/.local"

entry=$home/.local/share/applications/tintlet.desktop
desktop-file-validate "$entry" >"$LOGS/validate.log" 2>&1 || fail "desktop-file-validate: $(cat "$LOGS/validate.log")"
[ ! -s "$LOGS/validate.log" ] || fail "desktop-file-validate: $(cat "$LOGS/validate.log")"
for pair in "Name=Tintlet" "Comment=Pick the colour of any pixel on the screen" "Icon=tintlet" \
  "Categories=Graphics;" "Exec=$home/.local/bin/tintlet"; do
  [ "$(entry_line "$entry" "${pair%%=*}")" = "${pair#*=}" ] || fail "the desktop entry has no $pair"
done
echo "desktop entry: valid, with its name, comment, icon, category and the launcher as Exec"

# The exe's icon group, image by image: each PNG of that size shows the same pixels.
icons=$LOGS/icons
rm -rf "$icons" && mkdir -p "$icons"
wrestool -x -t 14 -n 128 "$home/.local/share/tintlet/Tintlet.exe" >"$icons/mainframe.ico" &&
  icotool -x -o "$icons" "$icons/mainframe.ico" || fail "cannot read IDR_MAINFRAME out of the exe"
for size in 16 32; do
  png=$home/.local/share/icons/hicolor/${size}x$size/apps/tintlet.png
  [ "$(identify -format '%wx%h' "$png")" = "${size}x$size" ] || fail "the ${size}x$size icon is $(identify -format '%wx%h' "$png")"
  for depth in 4 8; do
    image=$(echo "$icons"/mainframe_*_${size}x${size}x$depth.png)
    [ -f "$image" ] || fail "the exe has no ${size}x$size image of $depth bits"
    differ=$(compare -metric AE "$image" "$png" null: 2>&1)
    [ "$differ" = 0 ] || fail "the ${size}x$size icon differs from the exe's $depth-bit image in $differ pixels"
  done
done
echo "icons: 16x16 and 32x32, each the same pixels as the exe's 4-bit and 8-bit images"

# A machine without Wine, Debian's hidden: the launcher names the packages of the
# distribution family /etc/os-release names, Debian's here and others' in stand-in files.
while IFS='|' read -r release packages; do
  names=()
  if [ -n "$release" ]; then
    printf '%b\n' "$release" >"$LOGS/os-release"
    names=(--ro-bind "$LOGS/os-release" "$(readlink -f /etc/os-release)")
  fi
  status=0
  HOME=$home DISPLAY=${DISPLAY:-:0} bwrap --dev-bind / / --tmpfs /usr/lib/wine --ro-bind /dev/null "$(readlink -f /usr/bin/wine)" \
    "${names[@]}" -- "$home/.local/bin/tintlet" >"$LOGS/no-wine.log" 2>&1 </dev/null || status=$?
  said="tintlet: Tintlet runs under Wine, and no wine is on PATH; $packages"
  [ "$status" != 0 ] && [ "$(cat "$LOGS/no-wine.log")" = "$said" ] ||
    fail "without Wine (${release:-Debian 12}) the launcher ended with $status and said: $(cat "$LOGS/no-wine.log")"
done <<'RELEASES'
|on Debian and Ubuntu: sudo dpkg --add-architecture i386 && sudo apt-get update && sudo apt-get install wine wine32:i386 fonts-wine
ID=linuxmint\nID_LIKE="ubuntu debian"|on Debian and Ubuntu: sudo dpkg --add-architecture i386 && sudo apt-get update && sudo apt-get install wine wine32:i386 fonts-wine
ID=fedora|on Fedora: sudo dnf install wine wine-core.i686
ID="rocky"\nID_LIKE="rhel centos fedora"|on Fedora: sudo dnf install wine wine-core.i686
ID=arch|on Arch: sudo pacman -S wine
ID="opensuse-tumbleweed"\nID_LIKE="opensuse suse"|on openSUSE: sudo zypper install wine wine-32bit
ID=gentoo|install your distribution's Wine with its 32-bit part, or a WoW64 build of Wine
RELEASES
echo "without Wine: the launcher names the packages of Debian, Fedora, Arch and openSUSE, and of their kin"

(cd "$home" && find . -type f -exec sha256sum {} + | sort) >"$LOGS/first.sums"
installer install
(cd "$home" && find . -type f -exec sha256sum {} + | sort) >"$LOGS/second.sums"
[ "$(leftovers "$home")" = "$want" ] && cmp -s "$LOGS/first.sums" "$LOGS/second.sums" ||
  fail "a second install gave other files: $(diff "$LOGS/first.sums" "$LOGS/second.sums")"
echo "a second install: the same files"

installer uninstall
said="uninstall: removed $home/.local/share/tintlet/Tintlet.exe
uninstall: removed $home/.local/bin/tintlet
uninstall: removed $home/.local/share/icons/hicolor/16x16/apps/tintlet.png
uninstall: removed $home/.local/share/icons/hicolor/32x32/apps/tintlet.png
uninstall: removed $home/.local/share/applications/tintlet.desktop
uninstall: removed the 8 folders install had made, now empty"
[ "$(cat "$LOGS/uninstall.log")" = "$said" ] || fail "uninstall said: $(cat "$LOGS/uninstall.log")"
left=$(leftovers "$home")
[ "$left" = "./.local
./.local/share
./.local/share/applications
./.local/share/applications/mine.desktop" ] || fail "uninstall left:
$left"
echo "uninstall: removed what install wrote and said so; the user's own entry stays"

# A packager's install: a prefix that has a space, staged in DESTDIR.
home_new
stage=$LOGS/stage prefix="$LOGS/a prefix"
rm -rf "$stage" "$prefix"
installer install DESTDIR="$stage" PREFIX="$prefix"
[ -z "$(leftovers "$home")" ] && [ ! -e "$prefix" ] || fail "a DESTDIR install wrote outside DESTDIR"
[ "$(cd "$stage$prefix" && find . -type f | sort)" = "./bin/tintlet
./share/applications/tintlet.desktop
./share/icons/hicolor/16x16/apps/tintlet.png
./share/icons/hicolor/32x32/apps/tintlet.png
./share/tintlet/Tintlet.exe
./share/tintlet/installed" ] || fail "a DESTDIR install wrote: $(leftovers "$stage")"
entry=$stage$prefix/share/applications/tintlet.desktop
desktop-file-validate "$entry" >"$LOGS/validate.log" 2>&1 && [ ! -s "$LOGS/validate.log" ] ||
  fail "desktop-file-validate on the staged entry: $(cat "$LOGS/validate.log")"
[ "$(entry_line "$entry" Exec)" = "\"$prefix/bin/tintlet\"" ] || fail "the staged entry's Exec is $(entry_line "$entry" Exec)"
installer uninstall DESTDIR="$stage" PREFIX="$prefix"
[ -z "$(leftovers "$stage")" ] || fail "uninstall from DESTDIR left: $(leftovers "$stage")"
echo "DESTDIR: every file under it, Exec naming the prefix itself, and uninstall empties it"
echo "PASS"
