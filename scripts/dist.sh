#!/usr/bin/env bash
# Packs the shipped Tintlet.exe and the readme for Windows users into a zip.
# Usage: dist.sh PATH/TO/Tintlet.exe OUT.zip
set -euo pipefail
exe=$1
zip=$(mkdir -p "$(dirname "$2")" && cd "$(dirname "$2")" && pwd)/$(basename "$2")
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$exe" "$stage/Tintlet.exe"
# Windows users open the readme in Notepad: CR LF line ends.
sed 's/$/\r/' "$(dirname "$0")/../dist/README.txt" >"$stage/README.txt"
rm -f "$zip"
(cd "$stage" && zip -q -X "$zip" Tintlet.exe README.txt)
echo "dist: $zip"
