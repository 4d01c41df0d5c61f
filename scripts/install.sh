#!/usr/bin/env bash
# Installs Tintlet for a Linux desktop, without root, or removes it again.
#   install.sh install     the shipped Tintlet.exe (checked against SHA256SUMS), the tintlet
#                          launcher, a desktop entry and its icons, under PREFIX
#   install.sh uninstall   removes what install wrote, by the list it keeps, and the
#                          launcher's Wine prefix
# PREFIX is $HOME/.local by default; every file goes under DESTDIR when that is set.
# TINTLET_BUILD is the build tree that make dist filled.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TINTLET_BUILD:-$root/build}
prefix=${PREFIX:-$HOME/.local}
dest=${DESTDIR:-}
# The list of what install wrote: "dir PATH" for each folder it made, "file PATH" for each
# file, by their paths under PREFIX without DESTDIR.
list=$prefix/share/tintlet/installed
. "$root/scripts/tintlet"

fail() {
  echo "install: $*" >&2
  exit 1
}

# Folders are listed only when install makes them, so that removing them leaves alone
# those that were there before. A second install keeps the first one's folders.
made=()
make_dir() {
  local dir=$1 new=()
  while [ "$dir" != / ] && [ ! -d "$dest$dir" ]; do
    new=("$dir" "${new[@]}")
    dir=$(dirname "$dir")
  done
  mkdir -p "$dest$1"
  made+=("${new[@]}")
}

files=()
put() {
  local mode=$1 from=$2 to=$3
  make_dir "$(dirname "$to")"
  install -m "$mode" "$from" "$dest$to"
  files+=("$to")
}

# A desktop reads Exec as words, % starting a field code: a path with a space or a
# reserved character is quoted, and the value escaped as a desktop entry's strings are.
exec_word() {
  local word=${1//%/%%}
  case $word in
  *[!A-Za-z0-9_/.+,=:@%-]*)
    word=${word//\\/\\\\} word=${word//\"/\\\"} word=${word//\`/\\\`} word=${word//\$/\\\$}
    word=\"${word//\\/\\\\}\"
    ;;
  esac
  echo "$word"
}

do_install() {
  local exe=$build/Tintlet.exe sums=$build/SHA256SUMS line sum
  line=$(grep '  Tintlet\.exe$' "$sums" 2>/dev/null) || fail "no line for Tintlet.exe in $sums (make dist writes it)"
  sum=${line%%  *}
  [ "$(sha256sum <"$exe" | cut -d' ' -f1)" = "$sum" ] || fail "$exe does not match its line in $sums"
  if [ -f "$dest$list" ]; then
    local kind path
    while read -r kind path; do
      [ "$kind" != dir ] || [ ! -d "$dest$path" ] || made+=("$path")
    done <"$dest$list"
  fi
  put 644 "$exe" "$prefix/share/tintlet/Tintlet.exe"
  [ "$(sha256sum <"$dest$prefix/share/tintlet/Tintlet.exe" | cut -d' ' -f1)" = "$sum" ] ||
    fail "the installed copy of $exe does not match $sums"
  put 755 "$root/scripts/tintlet" "$prefix/bin/tintlet"
  local size icons=$build/i686/res/generated
  for size in 16 32; do
    put 644 "$icons/mainframe-$size.png" "$prefix/share/icons/hicolor/${size}x$size/apps/tintlet.png"
  done
  local entry template word
  entry=$(mktemp)
  template=$(<"$root/dist/tintlet.desktop.in") word=$(exec_word "$prefix/bin/tintlet")
  echo "${template//@EXEC@/"$word"}" >"$entry"
  put 644 "$entry" "$prefix/share/applications/tintlet.desktop"
  rm -f "$entry"
  {
    [ ${#made[@]} -eq 0 ] || printf 'dir %s\n' "${made[@]}" | sort -u
    printf 'file %s\n' "${files[@]}"
  } >"$dest$list"
  echo "install: Tintlet is in $dest$prefix: the launcher $dest$prefix/bin/tintlet, the desktop entry and icons under $dest$prefix/share"
}

do_uninstall() {
  local kind path dirs=()
  if [ -f "$dest$list" ]; then
    while read -r kind path; do
      case $kind in
      dir) dirs+=("$path") ;;
      file) [ ! -e "$dest$path" ] || { rm -f "$dest$path" && echo "uninstall: removed $dest$path"; } ;;
      esac
    done <"$dest$list"
  else
    echo "uninstall: no Tintlet installed in $dest$prefix (no $dest$list)"
  fi
  # The launcher's prefix is the user's, wherever the files went.
  if [ -z "$dest" ]; then
    local wineprefix
    wineprefix=$(tintlet_own_prefix)
    if [ -e "$wineprefix" ]; then
      rm -rf "$wineprefix" "$wineprefix-wineboot.log"
      echo "uninstall: removed the launcher's Wine prefix $wineprefix"
    fi
    rmdir "$(dirname "$wineprefix")" 2>/dev/null || true
  fi
  rm -f "$dest$list"
  # Deepest first; a folder that holds files install did not write stays.
  local removed=0
  while read -r path; do
    [ -z "$path" ] || ! rmdir "$dest$path" 2>/dev/null || removed=$((removed + 1))
  done < <(printf '%s\n' "${dirs[@]}" | sort -r)
  [ $removed = 0 ] || echo "uninstall: removed the $removed folders install had made, now empty"
}

case ${1:-} in
install) do_install ;;
uninstall) do_uninstall ;;
*)
  echo "usage: install.sh install | uninstall" >&2
  exit 2
  ;;
esac
