#!/usr/bin/env bash
# The dist tests' set-up: unpacks the zip as a user would and checks it holds exactly
# the program and its readme, nothing else and no folders.
# Usage: unpack.sh ZIP DIR
set -u
zip=$1 dir=$2
[ -f "$zip" ] || { echo "no zip at $zip (make dist builds it)" >&2; exit 1; }
rm -rf "$dir"
unzip -q "$zip" -d "$dir" || { echo "unzip failed on $zip" >&2; exit 1; }
listing=$(unzip -Z1 "$zip" | sort | tr '\n' ' ')
if [ "$listing" != "README.txt Tintlet.exe " ]; then
  echo "the zip holds: $listing; want README.txt Tintlet.exe" >&2
  exit 1
fi
echo "unpacked $zip into $dir"
