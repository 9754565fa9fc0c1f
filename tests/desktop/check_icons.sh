#!/usr/bin/env bash
# Each installed PNG icon has the size of the folder it is installed in.
set -euo pipefail
# shellcheck source=tests/desktop/staged_install.sh
source "$(dirname "$0")/staged_install.sh"

for size in 16 32 48 64 128 256; do
    png="$share/icons/hicolor/${size}x$size/apps/$app_id.png"
    [ -f "$png" ] || fail "no ${size}px icon"
    actual=$(identify -format '%m %wx%h' "$png")
    [ "$actual" = "PNG ${size}x$size" ] || fail "the ${size}px icon is $actual"
done
rsvg-convert "$share/icons/hicolor/scalable/apps/$app_id.svg" >/dev/null || fail "the SVG icon does not load"
echo "icons sized 16 to 256 px"
