#!/usr/bin/env bash
# Runs Tintlet.exe under Wine. With a display: as the installed launcher (scripts/tintlet)
# does, as an ordinary window of that display outside any Wine virtual desktop, so that it
# picks from the whole screen, until the dialog is closed. Headless: on a private Xvfb,
# saves a screenshot of the dialog, then closes it. EXE is the build tree's Tintlet.exe by
# default; winprobe.exe lies beside it.
# Usage: run.sh [EXE]
set -u -o pipefail
. "$(dirname "$0")/wine-env.sh"
tintlet_wine_enter "$@"
exe=${1:-$TINTLET_BUILD/$TINTLET_TEST_ARCH/Tintlet.exe}
bin=$(dirname "$exe")
tintlet_say_arch

if [ -n "${DISPLAY:-}" ]; then
  trap tintlet_stop EXIT INT TERM
  tintlet_prefix_use display
  echo "run: Tintlet runs on display $DISPLAY as an ordinary window; close its dialog to end it"
  # The installed launcher's start-up. Its exit status is make's: a crash or a missing exe
  # is no success.
  tintlet_display_start "$exe"
  exit
fi

tintlet_session_start || exit 1
if ! tintlet_launch "$exe" "$TINTLET_BUILD/run.log"; then
  echo "run: the Tintlet dialog did not appear" >&2
  exit 1
fi
sleep 1
shot="$TINTLET_BUILD/tintlet.png"
# shellcheck disable=SC2086 # the rectangle's four numbers
tintlet_shoot "$shot" $TINTLET_DIALOG || { echo "run: cannot save $shot" >&2; exit 1; }
echo "run: Tintlet is up; screenshot saved to $shot"
"$WINE" "$bin/winprobe.exe" close Tintlet
wait "$TINTLET_APP_PID"
