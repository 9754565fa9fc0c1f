#!/usr/bin/env bash
# Writes a Windows icon file holding the given square PNG pictures (at most 256 pixels a side),
# which Windows Vista and later read as they are.
#   pngs-to-ico.sh out.ico picture.png...
set -euo pipefail
out="$1"
shift
le16() { printf "\\x$(printf %02x $(($1 & 255)))\\x$(printf %02x $(($1 >> 8 & 255)))"; }
le32() { le16 $(($1 & 65535)); le16 $(($1 >> 16)); }
{
    le16 0; le16 1; le16 $#
    offset=$((6 + 16 * $#))
    for png in "$@"; do
        # The width is bytes 16 to 19 of the PNG header, big-endian; 256 is written as 0.
        size=$(od -An -tu1 -j16 -N4 "$png" | awk '{print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4}')
        bytes=$(stat -c %s "$png")
        printf "\\x$(printf %02x $((size & 255)))\\x$(printf %02x $((size & 255)))\\x00\\x00"
        le16 1; le16 32; le32 "$bytes"; le32 "$offset"
        offset=$((offset + bytes))
    done
    cat "$@"
} >"$out"
