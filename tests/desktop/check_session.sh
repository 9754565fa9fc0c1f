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
}

# The glyph editor, inside the window below any menu bar of up to 40 pixels.
glyphs() {
    import -window "$main" -crop 120x80+266+44 +repage "$scratch/$1.png"
}

same() {
    [ "$(compare -metric AE "$scratch/$1.png" "$scratch/$2.png" null: 2>&1)" = "0" ]
}

# glyphs_settled NAME: the glyph editor once two pictures a moment apart agree (it is drawn).
settled() {
    glyphs "$1.before"
    sleep 0.2
    glyphs "$1"
    same "$1.before" "$1"
}
glyphs_settled() {
    x11_wait_until 10 settled "$1" || fail "the glyph editor did not settle"
}

# glyphs_until same|changed REFERENCE NAME: pictures until NAME is (or is no longer) REFERENCE.
shows() {
    glyphs "$3"
    if [ "$1" = same ]; then same "$2" "$3"; else ! same "$2" "$3"; fi
}
glyphs_until() {
    x11_wait_until 10 shows "$@"
}

paint() {
    xdotool mousemove --window "$main" 300 70 click 1 mousemove --window "$main" 350 100 click 1
}

more_windows_than() {
    [ "$(x11_windows_of "$pid")" -gt "$1" ]
}

restore() {
    # File, then Open..., Open recent, Restore last session, once the menu shows.
    local before
    before=$(x11_windows_of "$pid")
    xdotool mousemove --window "$main" 10 8 click 1
    x11_wait_until 10 more_windows_than "$before" || fail "the File menu did not open"
    xdotool key --delay 150 Down Down Down Return
    xdotool mousemove 0 0
}

for ending in kill escape; do
    start
    glyphs_settled blank
    paint
    glyphs_until changed blank painted || fail "painting left the glyph editor as it was"
    glyphs_settled painted
    if [ "$ending" = kill ]; then
        # Killed once the session is kept: two seconds after the change, on a busy machine later.
        x11_wait_until 20 test -f "$XDG_STATE_HOME/gridlet/session" ||
            fail "the session was not kept within 20 s"
        kill -9 "$pid"
        wait "$pid" 2>/dev/null || true
    else
        x11_type "$main" Escape
        x11_wait_exit "$pid" 10 || fail "the program did not end on Escape"
    fi
    start
    glyphs_until same blank fresh || fail "($ending) the program did not start as it always has"
    restore
    glyphs_until same painted restored ||
        fail "($ending) Restore last session did not bring the painted glyph back"
    x11_type "$main" Escape
    x11_wait_exit "$pid" 10 || fail "the program did not end on Escape"
    pid=""
    rm -rf "$XDG_STATE_HOME" "$XDG_CONFIG_HOME"
done
echo "the painted glyph came back after SIGKILL and after Escape"
