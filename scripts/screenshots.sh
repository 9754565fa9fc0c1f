#!/usr/bin/env bash
# Takes a screenshot of each of gridlet's windows: the real program on a virtual X display,
# driven with xdotool, captured with ImageMagick's import.
#   scripts/screenshots.sh [OUTPUT_FOLDER [PROGRAM]]
# Defaults: docs/screenshots and build/gridlet. Writes main-window.png and character-map.png.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$(realpath -m "${1:-$root/docs/screenshots}")"
program="$(realpath "${2:-$root/build/gridlet}")"

# Run again inside a display of our own, so the pictures never depend on the user's desktop.
if [ -z "${GRIDLET_SCREENSHOT_DISPLAY:-}" ]; then
    GRIDLET_SCREENSHOT_DISPLAY=1 exec "$root/scripts/with-display.sh" "$0" "$out" "$program"
fi

# shellcheck source=scripts/x11-session.sh
source "$root/scripts/x11-session.sh"
mkdir -p "$out"

# ImageMagick stamps the capture time into PNGs; without it, unchanged windows give
# byte-identical files.
capture() {
    import -window "$1" -define png:exclude-chunks=date,time "$out/$2"
}

# A full built-in set makes the windows show what they are for.
"$program" "$root/data/charsets/ibm-pc-cga.bin" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

main=$(x11_wait_window '^gridlet v2 0\.9f$' 20)
# Move the cursor to "A" (code 65, row 4, column 1); the status title confirms the move.
x11_type "$main" Down Down Down Down Right
x11_wait_window '^gridlet v2 0\.9f 65' 10 >/dev/null
xdotool mousemove 0 0
capture "$main" main-window.png

# The map window opens only from Char > Map: open the File menu with a click on its title,
# then go right past Edit to Char, right into Map, and down to "Atari 40x24".
menu_open() {
    [ "$(x11_windows_of "$pid")" -gt "$1" ]
}
windows=$(x11_windows_of "$pid")
xdotool mousemove --window "$main" 10 8 click 1
x11_wait_until 10 menu_open "$windows" || fail "the File menu did not open"
xdotool key --delay 150 Right Right Right Down Return
map=$(x11_wait_window '^Character map' 10)
xdotool mousemove 0 0
# The first paint follows the window's mapping: a picture of one flat colour came too early.
painted() {
    capture "$map" character-map.png && [ "$(identify -format '%k' "$out/character-map.png")" -gt 1 ]
}
x11_wait_until 10 painted || fail "the Character map was not painted"

x11_type "$main" Escape
trap - EXIT
x11_wait_exit "$pid" 10
