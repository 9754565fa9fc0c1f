#!/usr/bin/env bash
# The screenshot script, run on the build given as $1, writes a picture of each window at the
# window's size: the main window 640 x 480, the Character map at "Atari 40x24", 40 x 24 cells of
# 16 pixels, the main window grown to an 8 x 16 console font's glyphs, and the C64 multicolour
# scene: the main window, the map at "C64 40x25", its text typed
# with "Type text", and the Colours window.
set -euo pipefail
build="$(realpath "$1")"
here="$(dirname "$(realpath "$0")")"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

"$here/../../scripts/screenshots.sh" "$out" "$build/gridlet" || fail "the screenshot script failed"
for shot in main-window.png:640x480 character-map.png:640x384 vga-font-main-window.png:640x676 \
    c64-main-window.png:640x480 c64-character-map.png:640x400 colours-window.png:532x358; do
    file="$out/${shot%%:*}"
    [ -f "$file" ] || fail "no ${shot%%:*}"
    size=$(identify -format '%wx%h' "$file")
    [ "$size" = "${shot#*:}" ] || fail "${shot%%:*} is $size, not ${shot#*:}"
    # A window captured before it was painted comes out in one flat colour.
    [ "$(identify -format '%k' "$file")" -gt 1 ] || fail "${shot%%:*} is blank"
done
# The C64 screen in the machine's own colours: the blue background ($D021 = 6), the red of the
# bricks' colour RAM 10 without bit 3, the white of text in colour RAM 1.
for color in 352879 68372B FFFFFF; do
    convert "$out/c64-character-map.png" -format %c histogram:info:- | grep -qi "#$color" ||
        fail "the C64 screen shows no #$color"
done
# The text cursor's green outline on the cell after "C64 MULTICOLOUR", typed from column 12 of
# row 4: where typing left it.
cursor=$(convert "$out/c64-character-map.png" -format '%[hex:p{432,64}]' info:)
[ "$cursor" = 00FF00 ] || fail "the C64 screen shows #$cursor, not the text cursor's green, after the typed text"
echo "screenshots of every window at its size, the C64 screen in the C64's colours with the text cursor after its typed text"
