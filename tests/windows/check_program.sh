#!/usr/bin/env bash
# gridlet.exe under Wine does what the Qt program does. Each is started with a font named on the
# command line; Char > Charset > ZX Spectrum is chosen from the menu, a pixel painted, the Colours
# window opened, C64 multicolour chosen and a background colour clicked in it, and the set saved
# through File > Save > IBM font and the file requester; then the Character map opened at
# "ZX 32x24", "Type text" turned on, a word typed on it and the map saved through File > Save >
# Character_map; Escape ends it with exit code 0. Their canvases must look the same, pixel for
# pixel, at the start, once painted and once coloured, the saved fonts must be the same bytes (the
# built-in set with the painted pixel), and so must the saved maps, with the word's codes where it
# was typed. gridlet.exe runs twice: at 96 dots per inch, and at 192, where each of its pixels must
# be a crisp 2 x 2 square.
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
font="$root/data/charsets/ibm-pc-cga.bin"

# The charset view's and the glyph editor's drawing areas, side by side in one picture.
shoot() {
    local s=$scale
    import -window "$main" "$scratch/whole.png"
    convert "$scratch/whole.png" \
        \( -clone 0 -crop "$((256 * s))x$((256 * s))+$((2 * s))+$((top + 2 * s))" \) \
        \( -clone 0 -crop "$((128 * s))x$((128 * s))+$((262 * s))+$top" \) \
        -delete 0 +repage +append "$scratch/$1.png"
}

# The Colours window's rows of swatches in C64 multicolour, one under another.
shoot_colors() {
    local s=$scale crops=() row
    import -window "$colors" "$scratch/whole.png"
    for row in 0 1 2 3 4; do
        crops+=(\( -clone 0 -crop "$((512 * s))x$((28 * s))+$((10 * s))+$(((30 + 58 * row) * s))" \))
    done
    convert "$scratch/whole.png" "${crops[@]}" -delete 0 +repage -append "$scratch/$1.png"
}

same() {
    [ "$(compare -metric AE "$scratch/$1.png" "$scratch/$2.png" null: 2>&1)" = "0" ]
}

# Opens the menu bar's first drop-down with a click on its title, then moves with keys.
menu_keys() {
    xdotool windowfocus --sync "$main"
    xdotool mousemove --window "$main" $((10 * scale)) $((8 * scale)) click 1
    sleep 0.7
    xdotool key --delay 200 "$@"
    sleep 1
}

# Saves through the file requester, which opens in front, to the name typed in it; waits for the
# file: save_as NAME_TYPED FILE.
save_as() {
    sleep 1
    xdotool type --delay 30 "$1"
    xdotool key Return
    for _ in $(seq 50); do [ -s "$2" ] && break; sleep 0.2; done
    [ -s "$2" ] || fail "($label) nothing was saved through the file requester to $2"
}

# The word typed on the map, from the cell at this column and row.
word=HELLO column=3 row=2

# run LABEL FONT_ARGUMENT SAVE_FOLDER PROGRAM...: the program saves LABEL.fnt and LABEL.map in
# the scratch folder, which it names SAVE_FOLDER (with the separator after it).
run() {
    local label="$1" argument="$2" folder="$3"
    shift 3
    "$@" "$argument" &
    pid=$!
    main=$(x11_wait_window '^gridlet v2 0\.9f' 60)
    xdotool mousemove 0 0
    sleep 1
    top=$(x11_client_top "$main" "$scale")
    [ -n "$top" ] || fail "($label) no charset view found in the window"
    shoot "$label-start"
    # Char, then Map, Charset; in it IBM CGA, IBM 866, ZX Spectrum.
    menu_keys Right Right Down Right Down Down Return
    xdotool mousemove --window "$main" $((300 * scale)) $((top + 40 * scale)) click 1 mousemove 0 0
    sleep 0.7
    shoot "$label-painted"
    # Char > "Colours..." (below "Glyph height" and "Colour mode"), then Char > "Colour mode" >
    # "C64 multicolour";
    # in the window, the background's swatch 11. Main's canvases are shot with it raised again.
    menu_keys Right Right Down Down Down Down Down Down Down Down Down Down Return
    colors=$(x11_wait_window '^Colours$' 20)
    menu_keys Right Right Down Down Down Down Down Down Down Down Down Right Down Down Return
    xdotool mousemove --window "$colors" $(((10 + 11 * 32 + 16) * scale)) $((40 * scale)) click 1 \
        mousemove 0 0
    sleep 0.7
    shoot_colors "$label-swatches"
    xdotool windowraise "$main"
    sleep 0.7
    shoot "$label-coloured"
    # File, from the bottom: Quit, Export, Save; in it Project, then ZX, Atari, IBM font.
    # (Upwards, since Windows moves onto greyed items and Qt does not.)
    menu_keys Up Up Up Right Down Down Down Return
    save_as "$folder$label.fnt" "$scratch/$label.fnt"
    # Char > Map > "ZX 32x24" opens the map; "Type text" is the last item of Char > Map. A click
    # on a cell puts the text cursor there, and the map takes the keys.
    menu_keys Right Right Right Return
    map=$(x11_wait_window '^Character map' 20)
    menu_keys Right Right Right Down Down Down Down Down Down Down Return
    xdotool windowraise "$map"
    xdotool mousemove --window "$map" $(((16 * column + 8) * scale)) $(((16 * row + 8) * scale)) \
        click 1 mousemove 0 0
    xdotool windowfocus --sync "$map"
    xdotool type --delay 50 "$word"
    # File > Save > Character_map: the fourth item after Project.
    xdotool windowraise "$main"
    menu_keys Up Up Up Right Down Down Down Down Return
    save_as "$folder$label.map" "$scratch/$label.map"
    x11_type "$main" Escape
    x11_wait_exit "$pid" 20 || fail "($label) the program did not end with exit code 0 on Escape"
    pid=""
}

# Wine takes the screen's dots per inch from the registry when its server starts.
dots_per_inch() {
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
    wineserver --kill || true
    wineserver --wait
}

scale=1
run qt "$font" "$scratch/" "$qt"
dots_per_inch 96
run wine "$(winepath -w "$font")" "$(winepath -w "$scratch")\\" wine "$exe"
dots_per_inch 192
scale=2
run wine2 "$(winepath -w "$font")" "$(winepath -w "$scratch")\\" wine "$exe"

same qt-start wine-start || fail "the started programs' canvases differ"
same qt-painted wine-painted || fail "the painted programs' canvases differ"
same qt-coloured wine-coloured || fail "the coloured programs' canvases differ"
same qt-swatches wine-swatches || fail "the Colours windows' swatches differ"
! same wine-painted wine-coloured || fail "choosing a background colour changed nothing"
! same wine-start wine-painted || fail "choosing a charset and painting changed nothing"
for shot in start painted coloured swatches; do
    convert "$scratch/qt-$shot.png" -sample 200% "$scratch/qt2-$shot.png"
    same "qt2-$shot" "wine2-$shot" ||
        fail "at 192 dots per inch the $shot canvases are not the Qt ones doubled"
done
cmp "$scratch/qt.fnt" "$scratch/wine.fnt" || fail "the saved fonts differ"
cmp "$scratch/qt.fnt" "$scratch/wine2.fnt" || fail "the font saved at 192 dots per inch differs"
! cmp -s "$scratch/wine.fnt" "$root/data/charsets/zx-spectrum.bin" ||
    fail "the saved font lacks the painted pixel"
cmp "$scratch/qt.map" "$scratch/wine.map" || fail "the maps typed on and saved differ"
cmp "$scratch/qt.map" "$scratch/wine2.map" || fail "the map saved at 192 dots per inch differs"
# The map is 32 cells a row; the Spectrum's set gives the letters their ASCII codes.
[ "$(dd if="$scratch/wine.map" bs=1 skip=$((32 * row + column)) count=${#word} 2>/dev/null)" = "$word" ] ||
    fail "the saved map lacks the typed word"
echo "gridlet.exe under Wine showed (at 96 and 192 dots per inch), painted, coloured, typed on the map and saved what the Qt program did, and ended on Escape"
