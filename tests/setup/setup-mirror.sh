#!/usr/bin/env bash
# setup.sh against a mirror in mid-sync, with stand-ins for apt-get, dpkg and dpkg-query
# first on PATH: no package is installed, so every run installs. Each scenario checks the
# exit status, the apt-get calls (verb and options; the package names are cut off, as the
# lists change) and the one-line messages a user sees.
# Usage: setup-mirror.sh
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck disable=SC1091 # the machine's own release, as setup.sh reads it
codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
url=http://mirror.invalid/debian/dists/$codename/main/binary-i386/Packages.xz
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir "$tmp/bin"

cat >"$tmp/bin/dpkg-query" <<'EOF'
#!/bin/sh
echo "unknown ok not-installed"
EOF
# i386 is there already, so setup has no reason to call dpkg for anything else.
cat >"$tmp/bin/dpkg" <<'EOF'
#!/bin/sh
[ "$1" = --print-foreign-architectures ] && { echo i386; exit 0; }
echo "dpkg stand-in: unexpected call: dpkg $*" >&2
exit 2
EOF
# When not root setup runs apt through sudo, whose secure_path would reach the real one.
cat >"$tmp/bin/sudo" <<'EOF'
#!/bin/sh
exec "$@"
EOF
# The calls file is the stand-in's state too: update-once fails only the first update.
cat >"$tmp/bin/apt-get" <<EOF
#!/bin/bash
url=$url
EOF
cat >>"$tmp/bin/apt-get" <<'EOF'
updates=$(grep -c '^update' "$APT_CALLS")
echo "$*" >>"$APT_CALLS"
fetch_failed() {
  echo "Err:3 ${url%/dists/*} ${url#*/dists/}"
  echo "  File has unexpected size (374820 != 376004). Mirror sync in progress? [IP: 192.0.2.1 80]"
  echo "E: Failed to fetch $url  File has unexpected size (374820 != 376004). Mirror sync in progress? [IP: 192.0.2.1 80]" >&2
  echo "E: Some index files failed to download. They have been ignored, or old ones used instead." >&2
  exit 100
}
held_broken() {
  echo "The following packages have unmet dependencies:"
  echo " wine32:i386 : Depends: libwine:i386 (= 8.0~repack-4) but it is not going to be installed"
  echo "E: Unable to correct problems, you have held broken packages." >&2
  exit 100
}
case "$APT_SCENARIO:$1" in
  ok:*) ;;
  update-once:update) [ "$updates" -gt 0 ] || fetch_failed ;;
  update-once:install) ;;
  index:update | broken:update) fetch_failed ;;
  index:install) [[ " $* " = *" -t "* ]] || held_broken ;;
  broken:install) held_broken ;;
  *) echo "apt-get stand-in: no scenario for apt-get $* ($APT_SCENARIO)" >&2; exit 2 ;;
esac
echo "Done."
EOF
chmod +x "$tmp/bin"/*

# ok: one update, then Wine's packages with recommends and the rest without.
cat >"$tmp/ok.want" <<EOF
update
install -y -q
install -y -q --no-install-recommends
EOF
# update-once: the second try gets every index.
cat >"$tmp/update-once.want" <<EOF
update
update
install -y -q
install -y -q --no-install-recommends
EOF
# index: three tries, then each install resolves only with the release's own versions.
cat >"$tmp/index.want" <<EOF
update
update
update
install -y -q
install -y -q -t $codename
install -y -q --no-install-recommends
install -y -q --no-install-recommends -t $codename
EOF
# broken: the first install fails both ways and setup stops there.
cat >"$tmp/broken.want" <<EOF
update
update
update
install -y -q
install -y -q -t $codename
EOF

going_on="setup: apt-get update failed 3 times ($url); going on with the package lists apt has"
retry="setup: apt could not install them from the current package lists; trying once more with $codename's own versions (-t $codename)"
# How many lines of setup's output are exactly $1.
lines() { grep -cFx -- "$1" "$dir/out"; }
passed=0 failed=0
for scenario in ok update-once index broken; do
  dir=$tmp/$scenario
  mkdir "$dir"
  : >"$dir/calls"
  PATH=$tmp/bin:$PATH APT_SCENARIO=$scenario APT_CALLS=$dir/calls TINTLET_BUILD=$dir/build \
    TINTLET_APT_TRIES=3 TINTLET_APT_PAUSE=0 bash "$root/scripts/setup.sh" all >"$dir/out" 2>&1
  status=$?
  # The verb, the options and -t's argument: package names never start with a dash.
  calls=$(awk '{ line = $1; for (i = 2; i <= NF; i++) if ($i ~ /^-/) { line = line " " $i; if ($i == "-t") line = line " " $(++i) } print line }' "$dir/calls")
  problems=()
  case $scenario in broken) [ $status -ne 0 ] ;; *) [ $status -eq 0 ] ;; esac ||
    problems+=("exit status $status")
  [ "$calls" = "$(cat "$tmp/$scenario.want")" ] ||
    problems+=("apt-get calls:"$'\n'"$calls"$'\n'"want:"$'\n'"$(cat "$tmp/$scenario.want")")
  [ -f "$dir/build/apt-update.log" ] && [ -f "$dir/build/apt-install.log" ] ||
    problems+=("no apt logs in TINTLET_BUILD")
  # Lines that must not be there: any failure or retry after a clean install, and the
  # could-not-install line after a retry that worked.
  case $scenario in
    ok | update-once) want_going_on=0 want_retry=0 never='failed|could not|once more' ;;
    index) want_going_on=1 want_retry=2 never='^setup: could not install' ;;
    broken) want_going_on=1 want_retry=1 never='' ;;
  esac
  [ "$(lines "$going_on")" -eq "$want_going_on" ] || problems+=("not $want_going_on line(s): $going_on")
  [ "$(lines "$retry")" -eq "$want_retry" ] || problems+=("not $want_retry line(s): $retry")
  if [ -n "$never" ] && grep -qE "$never" "$dir/out"; then
    problems+=("a line matching $never")
  fi
  if [ $scenario = broken ]; then
    [ "$(lines "E: Unable to correct problems, you have held broken packages.")" -eq 1 ] ||
      problems+=("apt's error is not shown")
    [[ "$(tail -n 1 "$dir/out")" = "setup: could not install "* ]] ||
      problems+=("the last line is not the could-not-install one")
  fi
  if [ ${#problems[@]} -eq 0 ]; then
    echo "PASS $scenario"
    passed=$((passed + 1))
  else
    echo "FAIL $scenario"
    printf '%s\n' "${problems[@]}" | sed 's/^/  /'
    echo "  setup's output:"
    sed 's/^/    /' "$dir/out"
    failed=$((failed + 1))
  fi
done
echo "setup: $passed of $((passed + failed)) scenarios as expected"
[ $failed -eq 0 ]
