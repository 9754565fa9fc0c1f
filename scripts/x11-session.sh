# shellcheck shell=bash
# Shell functions that drive the real program on an X display with xdotool; sourced by the
# desktop checks and the screenshot script. All waits are bounded.

# The program must show its windows on this X display, whatever platform the caller's
# environment names (offscreen or wayland would leave nothing for xdotool to find).
export QT_QPA_PLATFORM=xcb

# fail MESSAGE...: ends the check, saying why.
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# x11_wait_window NAME SECONDS: prints the id of the first visible window whose title matches
# the pattern NAME; fails when none shows up in time.
x11_wait_window() {
    local name="$1" deadline=$((SECONDS + $2)) id
    while ((SECONDS < deadline)); do
        id=$(xdotool search --onlyvisible --name "$name" 2>/dev/null | head -n 1) || true
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.2
    done
    echo "no window titled '$name' appeared within $2 s" >&2
    return 1
}

# x11_wait_until SECONDS COMMAND...: runs the command every tenth of a second until it succeeds;
# fails when it has not within SECONDS. A wait for what the program shows, never a guess of how
# long it takes on a busy machine.
x11_wait_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

# x11_windows_of PID: how many visible windows the process shows (its menus' pop-ups too).
x11_windows_of() {
    xdotool search --onlyvisible --pid "$1" 2>/dev/null | wc -l
}

# x11_type WINDOW KEY...: gives WINDOW the keyboard focus, then presses and releases each key
# through the X server, as a keyboard would.
x11_type() {
    local window="$1"
    shift
    xdotool windowfocus --sync "$window"
    xdotool key --delay 50 "$@"
}

# x11_wait_exit PID SECONDS: waits for the background job PID and returns its exit code; when it
# is still running after SECONDS, kills it and returns 124.
x11_wait_exit() {
    local pid="$1" deadline=$((SECONDS + $2))
    while kill -0 "$pid" 2>/dev/null && ((SECONDS < deadline)); do sleep 0.2; done
    if kill -0 "$pid" 2>/dev/null; then
        echo "the program did not end within $2 s" >&2
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        return 124
    fi
    local status=0
    wait "$pid" || status=$?
    return "$status"
}

# x11_client_top WINDOW SCALE: the top of the main window's client area below whatever menu bar
# the platform draws: one pixel of the program's above the charset view's dark inner border line.
# A window found by its title may not be painted yet (a slow build paints late), so the capture is
# taken again until the line is there, for up to 10 seconds; nothing is printed when it never is.
# (awk reads to the end, so that convert never writes into a closed pipe.)
x11_client_top() {
    local window="$1" scale="$2" picture top deadline=$((SECONDS + 10))
    picture="$(mktemp --suffix=.png)"
    while :; do
        import -window "$window" "$picture"
        top=$(convert "$picture" -crop "1x$((80 * scale))+$((130 * scale))+0" +repage -depth 8 \
            txt:- | awk -v scale="$scale" -F'[:(), ]+' '
            !found && NR > 1 && $3 == $4 && $4 == $5 && $3 >= 80 && $3 <= 144 {
                print $2 - scale; found = 1 }')
        if [ -n "$top" ] || ((SECONDS >= deadline)); then break; fi
        sleep 0.1
    done
    rm -f "$picture"
    [ -z "$top" ] || echo "$top"
}
