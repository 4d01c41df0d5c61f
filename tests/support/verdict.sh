#!/usr/bin/env bash
# The verdict rule of scripts/gtest-exec, ctest's emulator for GoogleTest programs: a
# program passes only on its own report, fails when it fails, is skipped when its tests
# skipped, fails when it ran no test, and fails when wineserver -k ends it halfway (which
# Wine reports as exit status 0). In a Wine prefix of its own, so that the kill ends nothing
# else. Usage: verdict.sh ARCH PROBE.exe WORKDIR
set -u
arch=$1 probe=$2 work=$3
scripts=$(cd "$(dirname "$0")/../../scripts" && pwd)
mkdir -p "$work"
export TINTLET_WINEPREFIX=$work/wineprefix-wine${TINTLET_WINE:-8}-$arch
export WINEPREFIX=$TINTLET_WINEPREFIX
trap 'wineserver -k >/dev/null 2>&1' EXIT
failed=0
fail() {
  echo "FAIL: $*" >&2
  failed=1
}

# Runs the probe's tests that match $1 under the rule.
verdict() {
  bash "$scripts/gtest-exec" bash "$scripts/wine-exec" "$arch" "$probe" "--gtest_filter=$1"
}

# The status of the tests that match $1 must be $2; their output is in WORKDIR/$1.log.
expect() {
  local filter=$1 want=$2 got
  verdict "$filter" >"$work/$filter.log" 2>&1
  got=$?
  echo "$filter: status $got"
  [ "$got" = "$want" ] || fail "$filter ended with status $got, not $want (see $work/$filter.log)"
}
expect VerdictProbe.Passes 0
expect VerdictProbe.Fails 1
expect VerdictProbe.Skips 77
expect VerdictProbe.NoSuchTest 1

# Runs COMMAND (with the waiting test's output in WORKDIR/$1.log) and ends it with
# wineserver -k once the test runs; its status is the command's.
end_halfway() {
  local log=$work/$1.log runner
  shift
  rm -f "$log"
  "$@" >"$log" 2>&1 &
  runner=$!
  for _ in $(seq 600); do
    grep -q '^verdict probe: waiting' "$log" 2>/dev/null && break
    kill -0 $runner 2>/dev/null || break
    sleep 0.1
  done
  grep -q '^verdict probe: waiting' "$log" || fail "the waiting test never ran (see $log)"
  wineserver -k
  wait $runner
}
end_halfway ended verdict VerdictProbe.WaitsToBeEnded
got=$?
echo "VerdictProbe.WaitsToBeEnded, ended by wineserver -k: status $got"
[ "$got" = 1 ] || fail "the program ended from outside ended with status $got, not 1"
grep -q 'no verdict from GoogleTest' "$work/ended.log" || fail "no word of the missing verdict"
# What Wine itself says of such an end, the status ctest would judge by without the rule.
end_halfway ended-bare bash "$scripts/wine-exec" "$arch" "$probe" --gtest_filter=VerdictProbe.WaitsToBeEnded
echo "the same, run by wine-exec alone: status $?"
exit $failed
