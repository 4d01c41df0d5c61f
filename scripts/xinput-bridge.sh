#!/usr/bin/env bash
# Real X input and the X clipboard for the Windows test programs, which cannot start
# Linux programs from inside Wine. Each line written to DIR/request is an xdotool or
# xclip command; its output goes to DIR/output and its exit status comes back as a
# line on DIR/reply.
# Usage: xinput-bridge.sh DIR
dir=$1
exec 3<>"$dir/request" 4<>"$dir/reply"
while read -r -u 3 tool args; do
  case $tool in
  # shellcheck disable=SC2086 # the rest of the line is the tool's argument list
  xdotool | xclip) timeout 10 "$tool" $args >"$dir/output" 2>>"$dir/bridge.log" </dev/null ;;
  *) false ;;
  esac
  status=$?
  echo "$tool $args: $status"
  echo "$status" >&4
done
