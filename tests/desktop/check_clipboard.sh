#!/usr/bin/env bash
# Other programs read what gridlet copies: on a virtual display, the real program of the build
# given as $1 copies its current glyph with Ctrl+C, and xclip reads it back as text and as a PNG
# picture.
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

x11_type "$main" Escape
trap 'rm -rf "$scratch"' EXIT
x11_wait_exit "$pid" 10 || fail "the program did not end on Escape"
echo "xclip read the copied glyph as text and as an 8 x 8 PNG"
