#!/usr/bin/env bash
# The real program converts from the command line with no display at all: the outputs, the
# messages and the exit statuses of a build script's use.
#   check_convert.sh BUILD
set -euo pipefail
gridlet="$(realpath "$1")/gridlet"
root="$(cd "$(dirname "$0")/../.." && pwd)"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# expect STATUS ARGUMENTS...: runs the program with no display, standard error in ./said.
expect() {
    local wanted=$1 status=0
    shift
    env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$gridlet" "$@" >printed 2>said ||
        status=$?
    [ "$status" = "$wanted" ] || fail "gridlet $* ended with $status, not $wanted: $(cat said)"
}

c64="$root/data/charsets/c64-upper.bin"
expect 0 --convert --charset c64-caps - c64.64c
[ "$(head -c 2 c64.64c | od -An -tx1 | tr -d ' ')" = "0038" ] || fail "no load address \$3800"
cmp <(tail -c +3 c64.64c) "$c64" || fail "the .64c holds other glyphs than the C64 ROM"
# Through every format read back, to the ROM's bytes again.
expect 0 --convert c64.64c c64.psf
expect 0 --convert c64.psf c64.bdf
expect 0 --convert c64.bdf c64.png
expect 0 --convert c64.png c64.bmp
expect 0 --convert c64.bmp back.fnt
cmp back.fnt "$c64" || fail "the round trip changed the glyphs"
expect 0 --convert --range 65-90 --asm acme back.fnt letters.s
grep -q '!byte' letters.s || fail "--asm acme wrote no ACME source"
[ "$(grep -c '!byte' letters.s)" = 26 ] || fail "--range 65-90 wrote other than 26 glyphs"
[ ! -s said ] || fail "a clean conversion said: $(cat said)"

# A project, known by its mark under any name, taken apart: its glyphs, its map and colours.
expect 0 --convert --charset c64-caps - c64.gridlet
cp c64.gridlet scene.proj
expect 0 --convert scene.proj project.fnt
cmp project.fnt "$c64" || fail "the project's glyphs are not the C64 ROM's"
expect 0 --convert scene.proj copy.gridlet
cmp copy.gridlet c64.gridlet || fail "a project converted to a project changed"
expect 0 --convert scene.proj screen.map
expect 0 --convert scene.proj screen.col
[ "$(stat -c %s screen.map) $(stat -c %s screen.col)" = "960 960" ] ||
    fail "the 40 x 24 map's codes and colours are not 960 bytes each"
expect 0 --convert --map scene.proj screen.png
[ "$(head -c 4 screen.png | tail -c 3)" = "PNG" ] || fail "--map .png wrote no PNG picture"
[ ! -s said ] || fail "taking a project apart said: $(cat said)"

# Another editor's screen of 32 x 24 becomes a Spectrum tape that Fuse's own tools read; a
# C64 screen of 40 x 25 is no Spectrum screen.
petmate() {
    python3 -c 'import json, sys
w, h = int(sys.argv[1]), int(sys.argv[2])
cells = [[{"code": (x + y) % 256, "color": 1} for x in range(w)] for y in range(h)]
print(json.dumps({"version": 2, "framebufs": [{"width": w, "height": h, "backgroundColor": 0,
      "borderColor": 0, "charset": "upper", "framebuf": cells}]}))' "$@"
}
petmate 32 24 >spectrum.petmate
petmate 40 25 >c64.petmate
expect 0 --convert spectrum.petmate scene.tap
tzxlist scene.tap >listed || fail "tzxlist cannot read the tape: $(cat listed)"
grep -q 'Bytes: "scene     " SCREEN\$  16384, 6912' listed || fail "no SCREEN\$ header: $(cat listed)"
[ "$(grep -c 'Checksum: .*(PASS)' listed)" = 2 ] || fail "a block's check sum fails: $(cat listed)"
expect 3 --convert c64.petmate scene.scr
grep -q "^gridlet: Export: A Spectrum screen is 32 x 24 cells; the map is 40 x 25.$" said ||
    fail "a C64 screen as a Spectrum screen: $(cat said)"
expect 0 --convert c64.petmate scene.prg
[ "$(head -c 2 scene.prg | od -An -tx1 | tr -d ' ')" = "0108" ] || fail "no load address \$0801"

expect 1 --convert "$root/tests/data/malformed/png-truncated.png" out.fnt
grep -q "^gridlet: Open File: not read:.*png-truncated.png$" said || fail "damaged PNG: $(cat said)"
[ ! -e out.fnt ] || fail "a damaged input left an output"
expect 2 --convert back.fnt out.xyz
expect 2 --convert --range 1-300 back.fnt out.fnt
[ ! -e out.fnt ] || fail "a wrong command line left an output"
expect 3 --convert back.fnt no-such-folder/out.fnt
grep -q "^gridlet: Save file: File Error:no-such-folder/out.fnt$" said ||
    fail "unwritable output: $(cat said)"

expect 0 --version
[ "$(cat printed)" = "gridlet v2 0.9f" ] || fail "--version printed $(cat printed)"
expect 0 --help
grep -q "zx-spectrum" printed || fail "--help names no built-in set"
echo "conversions run with no display"
