#!/usr/bin/env bash
# gridlet.exe under Wine does what the Qt program does. Each is started with a font named on the
# command line; Char > Charset > ZX Spectrum is chosen from the menu, a pixel painted, and the set
# saved through File > Save > IBM font and the file requester; Escape ends it with exit code 0.
# Their canvases must look the same, pixel for pixel, at the start and once painted, and the
# saved fonts must be the same bytes: the built-in set with the painted pixel.
#   check_program.sh GRIDLET_EXE QT_GRIDLET   (on an X display, with WINEPREFIX set)
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
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
font="$root/data/charsets/ibm-pc-cga.bin"

# The top of the client area below whatever menu bar the platform draws: one row above the
# charset view's dark inner border line.
client_top() {
    import -window "$main" "$scratch/whole.png"
    convert "$scratch/whole.png" -crop 1x80+130+0 +repage -depth 8 txt:- |
        awk -F'[:(), ]+' 'NR > 1 && $3 == $4 && $4 == $5 && $3 >= 80 && $3 <= 144 {
            print $2 - 1; exit }'
}

# The charset view's and the glyph editor's drawing areas, side by side in one picture.
shoot() {
    import -window "$main" "$scratch/whole.png"
    convert "$scratch/whole.png" \( -clone 0 -crop "256x256+2+$((top + 2))" \) \
        \( -clone 0 -crop "128x128+262+$top" \) -delete 0 +repage +append "$scratch/$1.png"
}

same() {
    [ "$(compare -metric AE "$scratch/$1.png" "$scratch/$2.png" null: 2>&1)" = "0" ]
}

# Opens the menu bar's first drop-down with a click on its title, then moves with keys.
menu_keys() {
    xdotool windowfocus --sync "$main"
    xdotool mousemove --window "$main" 10 8 click 1
    sleep 0.7
    xdotool key --delay 200 "$@"
    sleep 1
}

# run LABEL FONT_ARGUMENT SAVE_PATH SAVED_FILE PROGRAM...
run() {
    local label="$1" argument="$2" save_as="$3" saved="$4"
    shift 4
    "$@" "$argument" &
    pid=$!
    main=$(x11_wait_window '^gridlet v2 0\.9f' 60)
    xdotool mousemove 0 0
    sleep 1
    top=$(client_top)
    [ -n "$top" ] || fail "($label) no charset view found in the window"
    shoot "$label-start"
    # Char, then Map, Charset; in it IBM CGA, IBM 866, ZX Spectrum.
    menu_keys Right Right Down Right Down Down Return
    xdotool mousemove --window "$main" 300 $((top + 40)) click 1 mousemove 0 0
    sleep 0.7
    shoot "$label-painted"
    # File, from the bottom: Quit, Export, Save; in it ZX, Atari, IBM font. (Upwards, since
    # Windows moves onto greyed items and Qt does not.)
    menu_keys Up Up Up Right Down Down Return
    sleep 1
    xdotool type --delay 30 "$save_as"
    xdotool key Return
    for _ in $(seq 50); do [ -s "$saved" ] && break; sleep 0.2; done
    [ -s "$saved" ] || fail "($label) nothing was saved through the file requester"
    x11_type "$main" Escape
    x11_wait_exit "$pid" 20 || fail "($label) the program did not end with exit code 0 on Escape"
    pid=""
}

run qt "$font" "$scratch/qt.fnt" "$scratch/qt.fnt" "$qt"
run wine "$(winepath -w "$font")" "$(winepath -w "$scratch")\\wine.fnt" "$scratch/wine.fnt" \
    wine "$exe"

same qt-start wine-start || fail "the started programs' canvases differ"
same qt-painted wine-painted || fail "the painted programs' canvases differ"
! same wine-start wine-painted || fail "choosing a charset and painting changed nothing"
cmp "$scratch/qt.fnt" "$scratch/wine.fnt" || fail "the saved fonts differ"
! cmp -s "$scratch/wine.fnt" "$root/data/charsets/zx-spectrum.bin" ||
    fail "the saved font lacks the painted pixel"
echo "gridlet.exe under Wine showed, painted and saved what the Qt program did, and ended on Escape"
