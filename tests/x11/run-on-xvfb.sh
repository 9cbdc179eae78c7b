#!/bin/sh
# run-on-xvfb.sh <program> [arguments...]
# Runs a program on a virtual X display of its own, with Qt's xcb platform,
# so that focus, popups and real key and mouse events behave as on a user's
# desktop (the offscreen platform hides them). Exits with the program's code.
set -eu
log=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$log" 2>/dev/null &
server=$!
trap 'kill $server 2>/dev/null; rm -f "$log"' EXIT
for _ in $(seq 400); do   # up to 20 s on a loaded machine
    [ -s "$log" ] && break
    sleep 0.05
done
display=$(cat "$log")
[ -n "$display" ] || { echo "Xvfb did not start" >&2; exit 1; }
DISPLAY=":$display" QT_QPA_PLATFORM=xcb "$@"
