#!/usr/bin/env bash
# The screenshot script, run on the build given as $1, writes a picture of each window at the
# window's size: the main window 640 x 480, the Character map at "Atari 40x24", 40 x 24 cells of
# 16 pixels.
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
for shot in main-window.png:640x480 character-map.png:640x384; do
    file="$out/${shot%%:*}"
    [ -f "$file" ] || fail "no ${shot%%:*}"
    size=$(identify -format '%wx%h' "$file")
    [ "$size" = "${shot#*:}" ] || fail "${shot%%:*} is $size, not ${shot#*:}"
    # A window captured before it was painted comes out in one flat colour.
    [ "$(identify -format '%k' "$file")" -gt 1 ] || fail "${shot%%:*} is blank"
done
echo "screenshots of both windows at their sizes"
