#!/usr/bin/env bash
# Each installed PNG icon, the program's and a project's, has the size of the folder it is in.
set -euo pipefail
# shellcheck source=tests/desktop/staged_install.sh
source "$(dirname "$0")/staged_install.sh"

for icon in apps/$app_id mimetypes/application-x-gridlet-project; do
    for size in 16 32 48 64 128 256; do
        png="$share/icons/hicolor/${size}x$size/$icon.png"
        [ -f "$png" ] || fail "no ${size}px icon $icon"
        actual=$(identify -format '%m %wx%h' "$png")
        [ "$actual" = "PNG ${size}x$size" ] || fail "the ${size}px icon $icon is $actual"
    done
    rsvg-convert "$share/icons/hicolor/scalable/$icon.svg" >/dev/null ||
        fail "the SVG icon $icon does not load"
done
echo "icons sized 16 to 256 px, the program's and a project's"
