#!/usr/bin/env bash
# with-display.sh COMMAND [ARGUMENT...]: runs the command on a virtual X display of its own, then
# ends the display. Xvfb picks the number itself (-displayfd), taking one no other server holds,
# and writes it only once it takes connections: checks run side by side never share a display,
# and none starts before its display is there. -noreset: a server resets whenever its last client
# leaves, and a program started in that moment (a check starts it again after killing it) finds no
# display to connect to.
set -euo pipefail
if [ $# -lt 1 ]; then
    echo "usage: $0 COMMAND [ARGUMENT...]" >&2
    exit 2
fi
said="$(mktemp)"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$said" 2>"$said.log" &
server=$!
trap 'kill "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true; rm -f "$said" "$said.log"' EXIT
number=""
for ((tries = 0; tries < 300; tries++)); do
    number="$(tr -dc 0-9 <"$said")"
    [ -n "$number" ] && break
    if ! kill -0 "$server" 2>/dev/null; then
        echo "Xvfb ended before it showed a display:" >&2
        cat "$said.log" >&2
        exit 1
    fi
    sleep 0.1
done
if [ -z "$number" ]; then
    echo "Xvfb showed no display within 30 s" >&2
    exit 1
fi
# And a client can connect: only then is the display there for the command.
for ((tries = 0; tries < 100; tries++)); do
    DISPLAY=":$number" xdotool getmouselocation >/dev/null 2>&1 && break
    sleep 0.1
done
if ! DISPLAY=":$number" xdotool getmouselocation >/dev/null 2>&1; then
    echo "display :$number takes no connection:" >&2
    cat "$said.log" >&2
    exit 1
fi
status=0
DISPLAY=":$number" "$@" || status=$?
exit "$status"
