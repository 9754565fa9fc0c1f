#!/usr/bin/env bash
# Debian's console fonts through the real program's conversion: each of 256 glyphs 8 pixels wide
# is written back byte for byte, and the console's own tools read what gridlet writes. setfont is
# left out: it writes only the font of a console, which a test has none of.
#   check_console_fonts.sh BUILD
set -euo pipefail
gridlet="$(realpath "$1")/gridlet"
fonts=/usr/share/consolefonts
if [ ! -d "$fonts" ] || ! command -v psfxtable >/dev/null || ! command -v bdftopcf >/dev/null; then
    echo "SKIP: needs $fonts (console-setup-linux), psfxtable (kbd) and bdftopcf (xfonts-utils)"
    exit 0
fi
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

convert() {
    env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$gridlet" --convert "$@" 2>said ||
        fail "gridlet --convert $* ended with $?: $(cat said)"
}

# The header's width and glyph count: PSF 1 is always 8 wide, 512 glyphs when its mode says so.
shape() {
    local header
    header=$(head -c 32 "$1" | od -An -v -tu1 | tr -s ' \n' ' ')
    set -- $header
    if [ "$1 $2" = "54 4" ]; then
        echo "8 $(($3 & 1 ? 512 : 256))"
    else
        echo "$(($29 | $30 << 8)) $(($17 | $18 << 8))"
    fi
}

same=0
for font in "$fonts"/*.psf.gz; do
    gzip -dc "$font" >in.psf
    read -r width count < <(shape in.psf)
    [ "$width" = 8 ] && [ "$count" = 256 ] || continue
    convert in.psf out.psf
    cmp -s in.psf out.psf || fail "$(basename "$font") is not written back as it was"
    same=$((same + 1))
done
[ "$same" = 141 ] || fail "$same fonts of 256 glyphs 8 pixels wide, not Debian's 141"

# psfxtable reads the table of the first 256 glyphs of a font of 512, as the font had them.
gzip -dc "$fonts/Arabic-Fixed16.psf.gz" >big.psf
convert big.psf first.psf
psfxtable -i big.psf -ot big.table
psfxtable -i first.psf -ot first.table
cmp <(grep -E '^0x0[0-9a-f]{2}\b' big.table) <(grep -E '^0x' first.table) ||
    fail "psfxtable reads another table from the first 256 glyphs"

# A font of 8 x 16 as BDF: bdftopcf takes it, and it opens back to the same font.
gzip -dc "$fonts/Lat15-Fixed16.psf.gz" >tall.psf
convert tall.psf tall.bdf
grep -q '^FONTBOUNDINGBOX 8 16 ' tall.bdf || fail "the BDF's cells are not 8 x 16"
bdftopcf tall.bdf >tall.pcf || fail "bdftopcf refused gridlet's BDF"
[ -s tall.pcf ] || fail "bdftopcf wrote nothing"
convert tall.bdf back.fnt
cmp back.fnt <(tail -c +5 tall.psf | head -c 4096) || fail "the BDF opens to other glyphs"
echo "$same fonts written back byte for byte"
