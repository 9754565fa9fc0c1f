#!/usr/bin/env bash
# gridlet.exe under Wine shows an 8 x 16 console font, opened from the command line, as the Qt
# program does: the charset view of 16 x 32 cells and the glyph editor of 8-pixel squares, pixel
# for pixel, and both grow the main window to the same size.
#   check_tall_font.sh GRIDLET_EXE QT_GRIDLET   (on an X display, with WINEPREFIX set, at 96 dpi)
set -euo pipefail
exe="$(realpath "$1")"
qt="$(realpath "$2")"
root="$(cd "$(dirname "$0")/../.." && pwd)"
# shellcheck source=scripts/x11-session.sh
source "$root/scripts/x11-session.sh"
scratch="$(mktemp -d)"
export XDG_STATE_HOME="$scratch/state" XDG_CONFIG_HOME="$scratch/config"
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$scratch"' EXIT
gzip -dc /usr/share/consolefonts/Lat15-VGA16.psf.gz >"$scratch/vga16.psf" ||
    fail "no Lat15-VGA16.psf.gz: install console-setup-linux"

# show LABEL FONT PROGRAM...: the charset view's and the glyph editor's drawing areas side by side,
# and the main window's client size.
show() {
    local label="$1" font="$2" main top
    shift 2
    "$@" "$font" &
    pid=$!
    main=$(x11_wait_window '^gridlet v2 0\.9f' 60)
    xdotool mousemove 0 0
    sleep 1
    top=$(x11_client_top "$main" 1)
    [ -n "$top" ] || fail "($label) no charset view found in the window"
    import -window "$main" "$scratch/whole.png"
    convert "$scratch/whole.png" \
        \( -clone 0 -crop "256x512+2+$((top + 2))" \) \( -clone 0 -crop "128x128+262+$top" \) \
        -delete 0 +repage +append "$scratch/$label.png"
    identify -format '%h' "$scratch/whole.png" >"$scratch/$label.height"
    echo "$top" >"$scratch/$label.top"
    x11_type "$main" Escape
    x11_wait_exit "$pid" 20 || fail "($label) the program did not end with exit code 0 on Escape"
    pid=""
}

show qt "$scratch/vga16.psf" "$qt"
show wine "$(winepath -w "$scratch/vga16.psf")" wine "$exe"
[ "$(compare -metric AE "$scratch/qt.png" "$scratch/wine.png" null: 2>&1)" = "0" ] ||
    fail "the 8 x 16 font's canvases differ"
# The client area holds the grown charset view and the range controls under it in both.
for label in qt wine; do
    client=$(($(cat "$scratch/$label.height") - $(cat "$scratch/$label.top")))
    [ "$client" -ge 616 ] || fail "($label) the main window's client area is $client high, not 616"
done
echo "gridlet.exe under Wine showed an 8 x 16 console font as the Qt program did"
