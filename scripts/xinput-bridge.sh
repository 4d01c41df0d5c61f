#!/usr/bin/env bash
# Real X input for the Windows test programs, which cannot start Linux programs from
# inside Wine: each line written to DIR/request is run as an xdotool command, and its
# exit status is written back as a line to DIR/reply.
# Usage: xinput-bridge.sh DIR
dir=$1
exec 3<>"$dir/request" 4<>"$dir/reply"
while read -r -u 3 line; do
  # shellcheck disable=SC2086 # the line is an xdotool argument list
  xdotool $line
  echo "$?" >&4
done
