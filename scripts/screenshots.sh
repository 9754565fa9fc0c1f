#!/usr/bin/env bash
# Takes a screenshot of each of gridlet's windows: the real program on a virtual X display,
# driven with xdotool, captured with ImageMagick's import.
#   scripts/screenshots.sh [OUTPUT_FOLDER [PROGRAM]]
# Defaults: docs/screenshots and build/gridlet. Writes main-window.png and character-map.png,
# vga-font-main-window.png (an 8 x 16 console font), then a C64 multicolour scene:
# c64-main-window.png, c64-character-map.png and colours-window.png.
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

# Starts the program with the font and moves the cursor to "A" (code 65, row 4, column 1); the
# status title confirms the move. Sets pid and main.
start_at_a() {
    "$program" "$1" &
    pid=$!
    main=$(x11_wait_window '^gridlet v2 0\.9f$' 20)
    x11_type "$main" Down Down Down Down Right
    x11_wait_window '^gridlet v2 0\.9f 65' 10 >/dev/null
    xdotool mousemove 0 0
}

# A full built-in set makes the windows show what they are for.
pid=""
trap 'kill "$pid" 2>/dev/null || true' EXIT
start_at_a "$root/data/charsets/ibm-pc-cga.bin"
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

# Debian's VGA console font, 8 x 16, opened from the command line: the window grows to its glyphs.
vga="$(mktemp -d)"
trap 'rm -rf "$vga"' EXIT
gzip -dc /usr/share/consolefonts/Lat15-VGA16.psf.gz >"$vga/Lat15-VGA16.psf" ||
    fail "no Lat15-VGA16.psf.gz: install console-setup-linux"
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$vga"' EXIT
start_at_a "$vga/Lat15-VGA16.psf"
sleep 0.5
capture "$main" vga-font-main-window.png
x11_type "$main" Escape
trap 'rm -rf "$vga"' EXIT
x11_wait_exit "$pid" 10
rm -rf "$vga"
trap - EXIT

# The C64 scene: the C64's upper-case set with multicolour tiles from code 128 on, painted on a
# 40 x 25 map in the machine's colours, its text typed in the C64's screen codes. Pixel values:
# . 00 ($D021), a 01 ($D022), b 10 ($D023), c 11 (the cell's colour RAM without bit 3). The tiles
# go on the clipboard as numbers, eight a glyph, to be pasted over the set chosen from the menu:
# a font read from a file would type Latin-1 codes.
scene="$(mktemp -d)"
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$scene"' EXIT
python3 - "$scene/tiles.txt" <<'TILES'
import sys
tiles = [
    ["ccca", "cbba", "bbba", "aaaa", "acca", "abbb", "abbb", "aaaa"],  # 128 bricks
    ["c.c.", "cccc", "cacc", "bcbc", "bbbb", "babb", "bbbb", "bbab"],  # 129 grass
    ["bbab", "babb", "bbbb", "abba", "bbbb", "bbab", "babb", "bbbb"],  # 130 soil
    ["....", "c..c", "cccc", "cacc", "cccc", "acca", "cccc", "ccac"],  # 131 water
    [".cc.", "cccc", "cacc", "cccc", "ccac", "cccc", ".cc.", "..b."],  # 132 tree top
    ["..b.", ".bb.", ".bb.", ".bb.", ".bb.", ".bb.", "bbbb", "cccc"],  # 133 tree trunk
    ["....", ".aa.", "aaaa", "aaaa", ".aa.", "....", "....", "...."],  # 134 cloud
    [".cc.", "cccc", "cccc", ".cc.", "....", "....", "....", "...."],  # 135 sun
]
with open(sys.argv[1], "w") as text:
    for tile in tiles:
        rows = (sum(".abc".index(p) << (6 - 2 * i) for i, p in enumerate(pixels)) for pixels in tile)
        print(",".join(f"0x{row:02X}" for row in rows), file=text)
TILES

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$scene"' EXIT
main=$(x11_wait_window '^gridlet v2 0\.9f$' 20)
xdotool windowmove --sync "$main" 0 0
top=$(x11_client_top "$main" 1)
[ -n "$top" ] || fail "no charset view found in the main window"

# Opens the File menu with a click on its title, then moves with keys.
menu_keys() {
    local before
    before=$(x11_windows_of "$pid")
    xdotool windowfocus --sync "$main"
    xdotool mousemove --window "$main" 10 8 click 1
    x11_wait_until 10 menu_open "$before" || fail "the File menu did not open"
    xdotool key --delay 150 "$@"
    sleep 0.5
}
glyph() {
    xdotool mousemove --window "$main" $((10 + 16 * ($1 % 16))) $((top + 10 + 16 * ($1 / 16))) click 1
}
# Char > Charset > "C64 CAPS", then the tiles pasted from glyph 128 on. (xclip, which holds the
# clipboard until another program takes it, lets go of the terminal.)
menu_keys Right Right Down Right Down Down Down Down Down Return
glyph 128
xclip -selection clipboard -i "$scene/tiles.txt" </dev/null >/dev/null 2>&1
clipboard_holds_tiles() {
    [ "$(timeout 2 xclip -selection clipboard -o 2>/dev/null)" = "$(cat "$scene/tiles.txt")" ]
}
x11_wait_until 10 clipboard_holds_tiles || fail "xclip did not take the tiles"
x11_type "$main" ctrl+v
# Char > "Colours...", Char > "Colour mode" > "C64 multicolour" (Qt's keys pass over greyed
# items, and multicolour greys the rotations), Char > Map > "C64 40x25".
menu_keys Right Right Down Down Down Down Down Down Down Down Down Down Return
colors=$(x11_wait_window '^Colours$' 10)
xdotool windowmove --sync "$colors" 660 0
menu_keys Right Right Down Down Down Down Down Down Down Down Down Right Down Down Return
menu_keys Right Right Right Down Down Return
map=$(x11_wait_window '^Character map' 10)
xdotool windowmove --sync "$map" 0 500

# A swatch of the Colours window: row (0 $D021, 1 $D022, 2 $D023, 3 colour RAM, 4 pen), number.
swatch() {
    xdotool mousemove --window "$colors" $((26 + 32 * $2)) $((40 + 58 * $1)) click 1
}
cell() {
    xdotool mousemove --window "$map" $((16 * $1 + 8)) $((16 * $2 + 8)) click 1
}
# A row of cells from column $1 to $2 on row $3, painted in one stroke.
stroke() {
    local column
    xdotool mousemove --window "$map" $((16 * $1 + 8)) $((16 * $3 + 8)) mousedown 1
    for ((column = $1; column <= $2; column++)); do
        # A pause a cell: moves queued faster than they are handled are merged into the last.
        xdotool mousemove --window "$map" $((16 * column + 8)) $((16 * $3 + 8)) sleep 0.03
    done
    xdotool mouseup 1
}
# Text typed from a cell with "Type text" on: the click puts the text cursor there.
text() {
    cell "$1" "$2"
    xdotool windowfocus --sync "$map"
    xdotool type --delay 30 "$3"
}

swatch 1 12 # $D022 grey
swatch 2 9  # $D023 brown
swatch 3 14
glyph 32
menu_keys Right Right Right Down Down Down Down Down Return # Char > Map > Fill
swatch 3 9
glyph 134
for at in "5 7" "6 7" "7 7" "25 6" "26 6" "27 6"; do cell $at; done
swatch 3 15
glyph 135
cell 34 3
swatch 3 13
for column in 8 30; do
    glyph 132
    cell "$column" 14
    glyph 133
    cell "$column" 15
done
glyph 129
stroke 0 39 16
glyph 130
stroke 0 39 17
stroke 0 39 18
swatch 3 11
glyph 131
stroke 17 23 16
stroke 18 22 17
swatch 3 10
glyph 128
for row in 19 20 21 22 23 24; do stroke 0 39 "$row"; done
# Char > Map > "Type text", kept on: its cursor shows after the last word typed.
menu_keys Right Right Right Down Down Down Down Down Down Down Return
swatch 3 1 # white text, shown in single colour as colour RAM 0 to 7 is
text 16 2 "GRIDLET"
swatch 3 7
text 12 4 "C64 MULTICOLOUR"
swatch 3 10 # the bricks' colour again, for the main window's brick
glyph 128
xdotool mousemove 0 0
sleep 1
capture "$main" c64-main-window.png
capture "$map" c64-character-map.png
capture "$colors" colours-window.png

x11_type "$main" Escape
trap 'rm -rf "$scene"' EXIT
x11_wait_exit "$pid" 10
