# Sourced by the tests of `make install`, after tests/support/desktop.sh. Needs LOGS and
# DIST (the folder make dist filled) set. Functions:
#   home_new               a new, empty throwaway home folder: $LOGS/home, in TEST_HOME
#   installer ACTION [VAR=VALUE...]  scripts/install.sh ACTION (install or uninstall) for
#                          TEST_HOME, with those variables; its output in $LOGS/ACTION.log
#   leftovers DIR          every path under DIR, one a line, sorted
#   entry_line FILE KEY    that key's value in the [Desktop Entry] group

home_new() {
  TEST_HOME=$LOGS/home
  rm -rf "$TEST_HOME" && mkdir -p "$TEST_HOME" || fail "cannot make $TEST_HOME"
}

installer() {
  local action=$1
  shift
  env HOME="$TEST_HOME" TINTLET_BUILD="$DIST" "$@" bash "$TINTLET_ROOT/scripts/install.sh" "$action" \
    >"$LOGS/$action.log" 2>&1 </dev/null || fail "$action failed: $(cat "$LOGS/$action.log")"
}

leftovers() {
  (cd "$1" && find . -mindepth 1 | sort)
}

entry_line() {
  sed -n '/^\[Desktop Entry\]$/,/^\[/s/^'"$2"'=//p' "$1"
}
