#!/usr/bin/env bash
# Work is never lost: on a virtual display, the real program of the build given as $1 paints,
# then dies by SIGKILL three seconds later (or quits with Escape); started again, it brings the
# painted glyph back with File > "Restore last session", chosen with the keyboard.
set -euo pipefail
build="$(realpath "$1")"
here="$(dirname "$(realpath "$0")")"

if [ -z "${GRIDLET_SESSION_DISPLAY:-}" ]; then
    GRIDLET_SESSION_DISPLAY=1 exec "$here/../../scripts/with-display.sh" "$0" "$@"
fi
# shellcheck source=scripts/x11-session.sh
source "$here/../../scripts/x11-session.sh"
scratch="$(mktemp -d)"
export XDG_STATE_HOME="$scratch/state" XDG_CONFIG_HOME="$scratch/config"
pid=""
trap '[ -n "$pid" ] && kill -9 "$pid" 2>/dev/null; rm -rf "$scratch"' EXIT

start() {
    "$build/gridlet" &
    pid=$!
    main=$(x11_wait_window '^gridlet v2 0\.9f' 20)
    xdotool mousemove 0 0
    sleep 0.3
}

# The glyph editor, inside the window below any menu bar of up to 40 pixels.
glyphs() {
    import -window "$main" -crop 120x80+266+44 +repage "$scratch/$1.png"
}

paint() {
    xdotool mousemove --window "$main" 300 70 click 1 mousemove --window "$main" 350 100 click 1
    sleep 0.3
}

restore() {
    # File, then Open..., Open recent, Restore last session.
    xdotool mousemove --window "$main" 10 8 click 1
    sleep 0.5
    xdotool key --delay 150 Down Down Down Return
    sleep 0.5
    xdotool mousemove 0 0
    sleep 0.3
}

same() {
    [ "$(compare -metric AE "$scratch/$1.png" "$scratch/$2.png" null: 2>&1)" = "0" ]
}

for ending in kill escape; do
    start
    glyphs blank
    paint
    glyphs painted
    ! same blank painted || fail "painting left the glyph editor as it was"
    if [ "$ending" = kill ]; then
        sleep 3
        kill -9 "$pid"
        wait "$pid" 2>/dev/null || true
    else
        x11_type "$main" Escape
        x11_wait_exit "$pid" 10 || fail "the program did not end on Escape"
    fi
    start
    glyphs fresh
    same blank fresh || fail "($ending) the program did not start as it always has"
    restore
    glyphs restored
    same painted restored || fail "($ending) Restore last session did not bring the painted glyph back"
    x11_type "$main" Escape
    x11_wait_exit "$pid" 10 || fail "the program did not end on Escape"
    pid=""
    rm -rf "$XDG_STATE_HOME" "$XDG_CONFIG_HOME"
done
echo "the painted glyph came back after SIGKILL and after Escape"
