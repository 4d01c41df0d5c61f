#!/usr/bin/env bash
# Prints the benchmark table. Usage: bench.sh BUILD_DIR
set -u
dir=$(cd "$1" && pwd)
. "$(dirname "$0")/wine-env.sh"
trap tintlet_stop EXIT INT TERM
tintlet_xvfb_start 90 || exit 1
tintlet_prefix || exit 1
wineserver -p60 >/dev/null 2>&1 </dev/null
tintlet_wine_services

shipped="$TINTLET_BUILD/i686/Tintlet.exe"
echo "Tintlet benchmarks on $(nproc) cores, $(uname -m), Wine $("$WINE" --version 2>/dev/null), $(basename "$dir") build"
printf '%-28s %13s %13s %8s\n' "figure" "Tintlet" "floor" "ratio"
"$WINE" "$dir/startup_bench.exe" "$dir/Tintlet.exe" "$dir/BareDialog.exe" 11 | tr -d '\r'
size=$(stat -c %s "$shipped")
printf '%-28s %9.1f KiB %13s %8s   (goal <= 100 KiB; i686)\n' "Tintlet.exe size" "$(awk -v s="$size" 'BEGIN { print s / 1024 }')" "" ""
