#!/usr/bin/env bash
# SHA256SUMS beside the zip, checked as a user checks a download: it lists the zip and
# Tintlet.exe, the files beside it match their lines, and so does the exe inside the zip.
# Usage: sums.sh ZIP
set -u
zip=$1
dir=$(dirname "$zip")
sums=$dir/SHA256SUMS
[ -f "$sums" ] || { echo "no $sums (make dist writes it)" >&2; exit 1; }
names=$(sed 's/^[0-9a-f]\{64\}  //' "$sums" | tr '\n' ' ')
if [ "$names" != "$(basename "$zip") Tintlet.exe " ]; then
  echo "SHA256SUMS lists: $names; want $(basename "$zip") Tintlet.exe" >&2
  exit 1
fi
(cd "$dir" && sha256sum --strict -c SHA256SUMS) || exit 1
inside=$(unzip -p "$zip" Tintlet.exe | sha256sum | cut -d' ' -f1)
if ! grep -qx "$inside  Tintlet.exe" "$sums"; then
  echo "the Tintlet.exe in the zip has SHA-256 $inside, which SHA256SUMS does not list" >&2
  exit 1
fi
