#!/usr/bin/env bash
# Other programs read what gridlet copies: on a virtual display, the real program of the build
# given as $1 copies its current glyph with Ctrl+C, and xclip reads it back as text and as a PNG
# picture. Then, with Char > Map > "Type text" on, a word typed on the Character map and copied
# there with Ctrl+C is read back as text; a text xclip holds, pasted there with Ctrl+V, is typed
# into the cells, which copied again give it back.
set -euo pipefail
build="$(realpath "$1")"
here="$(dirname "$(realpath "$0")")"

if [ -z "${GRIDLET_CLIPBOARD_DISPLAY:-}" ]; then
    GRIDLET_CLIPBOARD_DISPLAY=1 exec "$here/../../scripts/with-display.sh" "$0" "$@"
fi
# shellcheck source=scripts/x11-session.sh
source "$here/../../scripts/x11-session.sh"
scratch="$(mktemp -d)"

# A font whose first glyph is an "A": the current char at start.
printf '\x3C\x66\x6E\x6E\x60\x62\x3C\x00' >"$scratch/a.fnt"
"$build/gridlet" "$scratch/a.fnt" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$scratch"' EXIT
main=$(x11_wait_window '^gridlet v2 0\.9f$' 20)
x11_type "$main" ctrl+c

expected='0x3C,0x66,0x6E,0x6E,0x60,0x62,0x3C,0x00'
text=""
for _ in $(seq 50); do
    text=$(timeout 2 xclip -selection clipboard -o 2>/dev/null) || true
    [ "$text" = "$expected" ] && break
    sleep 0.1
done
[ "$text" = "$expected" ] || fail "the clipboard's text is '$text', not '$expected'"
timeout 5 xclip -selection clipboard -t image/png -o >"$scratch/copied.png" ||
    fail "no PNG picture on the clipboard"
size=$(identify -format '%m %w %h' "$scratch/copied.png") || fail "the picture is no PNG"
[ "$size" = "PNG 8 8" ] || fail "the picture is '$size', not an 8 x 8 PNG"

# clipboard_holds FILE: the clipboard's text is the file's bytes, exactly.
clipboard_holds() {
    timeout 2 xclip -selection clipboard -o >"$scratch/held" 2>/dev/null && cmp -s "$1" "$scratch/held"
}
shows_more_than() {
    [ "$(x11_windows_of "$pid")" -gt "$1" ]
}
shows() {
    [ "$(x11_windows_of "$pid")" -eq "$1" ]
}
# Opens the File menu with a click on its title, presses the keys, and waits until the program
# shows WINDOWS windows again: its menus closed (and any window the command opens shown).
menu_keys() {
    local windows="$1" before
    shift
    before=$(x11_windows_of "$pid")
    xdotool windowfocus --sync "$main"
    xdotool mousemove --window "$main" 10 8 click 1
    x11_wait_until 10 shows_more_than "$before" || fail "the File menu did not open"
    xdotool key --delay 150 "$@"
    x11_wait_until 10 shows "$windows" || fail "the menus did not close after $*"
}
# Map cells are 16 pixels from the map window's top left corner. A click on a cell of row $2,
# column $1; a drag along the row from that cell to column $3.
click_cell() {
    xdotool mousemove --window "$map" $((16 * $1 + 8)) $((16 * $2 + 8)) click 1
}
drag_cells() {
    xdotool mousemove --window "$map" $((16 * $1 + 8)) $((16 * $2 + 8)) mousedown 1 \
        mousemove --window "$map" $((16 * $3 + 8)) $((16 * $2 + 8)) mouseup 1
}

xdotool windowmove --sync "$main" 0 0
# Char > Map > "Atari 40x24" opens the map; Char > Map > "Type text" is its submenu's last item.
menu_keys 2 Right Right Right Down Return
map=$(x11_wait_window '^Character map' 10)
xdotool windowmove --sync "$map" 0 500
menu_keys 2 Right Right Right Down Down Down Down Down Down Down Return

# The text cursor on cell (2, 1), the word typed from there, its five cells selected by a drag.
click_cell 2 1
xdotool windowfocus --sync "$map"
xdotool type --delay 50 HELLO
drag_cells 2 1 6
x11_type "$map" ctrl+c
printf 'HELLO\n' >"$scratch/hello"
x11_wait_until 10 clipboard_holds "$scratch/hello" ||
    fail "the cells copied from the map read '$(cat "$scratch/held")', not 'HELLO' and a line end"
timeout 5 xclip -selection clipboard -o -t TARGETS | grep -qx 'application/x-gridlet-cells' ||
    fail "the copied cells are not on the clipboard in gridlet's own form"
timeout 5 xclip -selection clipboard -t image/png -o >"$scratch/cells.png" ||
    fail "no PNG picture of the cells on the clipboard"
size=$(identify -format '%m %w %h' "$scratch/cells.png") || fail "the cells' picture is no PNG"
[ "$size" = "PNG 40 8" ] || fail "the cells' picture is '$size', not a 40 x 8 PNG"

# Another word, without a line end, from xclip; pasted at the cursor put back on cell (2, 1).
printf 'WORLD' >"$scratch/world"
# (xclip stays to hold the clipboard until gridlet takes it: not with this script's output.)
timeout 5 xclip -selection clipboard -i "$scratch/world" </dev/null >/dev/null 2>&1
x11_wait_until 10 clipboard_holds "$scratch/world" || fail "xclip did not take the text"
click_cell 2 1
x11_type "$map" ctrl+v
drag_cells 2 1 6
x11_type "$map" ctrl+c
# gridlet's copy ends the row with a line end, which xclip's text lacked.
printf 'WORLD\n' >"$scratch/world-copied"
x11_wait_until 10 clipboard_holds "$scratch/world-copied" ||
    fail "the pasted cells copied again read '$(cat "$scratch/held")', not 'WORLD' and a line end"

x11_type "$main" Escape
trap 'rm -rf "$scratch"' EXIT
x11_wait_exit "$pid" 10 || fail "the program did not end on Escape"
echo "xclip read the copied glyph as text and as an 8 x 8 PNG, and the word typed on the map and the text pasted there as the cells' text"
