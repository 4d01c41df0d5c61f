#!/usr/bin/env bash
# Packs the shipped Tintlet.exe and the readme for Windows users into a zip, puts the exe
# beside it too (it is offered on its own as well) and lists both in SHA256SUMS there, so
# that `sha256sum -c SHA256SUMS` checks them. The zip is made the same, byte for byte, from
# the same exe and readme: fixed order, modes and dates.
# Usage: dist.sh PATH/TO/Tintlet.exe OUT.zip
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
exe=$1
out=$(mkdir -p "$(dirname "$2")" && cd "$(dirname "$2")" && pwd)
zip=$out/$(basename "$2")
# The files are dated by the last commit (or SOURCE_DATE_EPOCH when set); zip stores local
# times, so the zone is fixed too.
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$root" log -1 --format=%ct)}
export TZ=UTC
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$exe" "$stage/Tintlet.exe"
# Windows users open the readme in Notepad: CR LF line ends. The licence goes with the
# program, at the readme's end.
cat "$root/dist/README.txt" "$root/LICENSE" | sed 's/$/\r/' >"$stage/README.txt"
chmod 755 "$stage/Tintlet.exe"
chmod 644 "$stage/README.txt"
touch -d "@$epoch" "$stage/Tintlet.exe" "$stage/README.txt"
rm -f "$zip"
(cd "$stage" && zip -q -X "$zip" Tintlet.exe README.txt)
[ "$exe" -ef "$out/Tintlet.exe" ] || cp "$exe" "$out/Tintlet.exe"
(cd "$out" && sha256sum "$(basename "$zip")" Tintlet.exe >SHA256SUMS)
echo "dist: $zip"
