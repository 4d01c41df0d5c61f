#!/usr/bin/env bash
# Prints the benchmark table of the build the tests run. Usage: bench.sh
set -u
. "$(dirname "$0")/wine-env.sh"
tintlet_wine_enter "$@"
dir=$TINTLET_BUILD/$TINTLET_TEST_ARCH
tintlet_say_arch
tintlet_session_start || exit 1
# The scaled rows run in the desktop prefix made for 144 DPI, whose Wine is stopped at
# exit too.
scaled_prefix=''
bench_stop() {
  [ -z "$scaled_prefix" ] || WINEPREFIX=$scaled_prefix wineserver -k >/dev/null 2>&1
  tintlet_stop
}
trap bench_stop EXIT INT TERM

shipped="$TINTLET_BUILD/i686/Tintlet.exe"
echo "Tintlet benchmarks on $(nproc) cores, $(uname -m), Wine $("$WINE" --version 2>/dev/null), $(basename "$dir") build"
printf '%-28s %13s %13s %8s\n' "figure" "Tintlet" "floor" "ratio"
# Each benchmark prints its own rows; one that fails fails the run.
status=0
bench() { "$WINE" "$@" 2>>"$TINTLET_BUILD/bench-errors.log" | tr -d '\r'; [ "${PIPESTATUS[0]}" = 0 ] || status=1; }
: >"$TINTLET_BUILD/bench-errors.log"
bench "$dir/bench/startup_bench.exe" "$dir/Tintlet.exe" "$dir/bench/BareDialog.exe" 11 "$dir/bench/BareDialogV6.exe" "$dir/bench/BareTintlet.exe"
bench "$dir/bench/sample_bench.exe" 200 11
if [ "$TINTLET_WINE" = 8 ]; then
  printf '%-28s %13s %13s %8s   (not run: Wine 8 makes every program DPI aware and scales nothing)\n' "per sample, 144 DPI" "" "" ""
else
  desktop_prefix=$WINEPREFIX
  if tintlet_prefix_scaled 144; then
    scaled_prefix=$WINEPREFIX
    tintlet_wine_services
    bench "$dir/bench/sample_bench.exe" 200 11
  else
    status=1
  fi
  WINEPREFIX=$desktop_prefix
fi
bench "$dir/bench/input_bench.exe" "$dir/Tintlet.exe" 11 500
size=$(stat -c %s "$shipped")
verdict=met
[ "$size" -le $((48 * 1024)) ] || verdict=MISSED
printf '%-28s %9.1f KiB %13s %8s   (i686; goal <= 48 KiB: %s)\n' "Tintlet.exe size" "$(awk -v s="$size" 'BEGIN { print s / 1024 }')" "" "" "$verdict"
[ "$status" = 0 ] || echo "bench: a benchmark failed, see $TINTLET_BUILD/bench-errors.log" >&2
exit "$status"
