#include "views/status_texts.h"

#include "toolkit/texts.h"
#include "toolkit/windows.h"
#include "views/charset_view.h"
#include "views/glyph_editor_view.h"

using namespace toolkit;

namespace {

std::string twoHexDigits(int value) {
    return pad_left(hex_string(value), 2, "0");
}

std::string quoted(int code) {
    return "'" + char_string(code) + "'";
}

// "BeginRange:65:A": the value and, from the space on, its character.
std::string rangeText(int value) {
    std::string text = decimal_string(value);
    if (value >= 32) text += ":" + char_string(value);
    return text;
}

} // namespace

std::string describeCode(int code, bool atariCodes) {
    const std::string numbers = decimal_string(code) + "($" + twoHexDigits(code) + ")";
    if (!atariCodes) return code > 31 ? numbers + quoted(code) : numbers;
    // Atari screen codes 0..63 stand for the characters 32..95; 97..122 are the small letters.
    if (code <= 63) return numbers + quoted(code + 32);
    if (code >= 97 && code <= 122) return numbers + quoted(code);
    return numbers;
}

std::string mapHoverTitle(int column, int row, int code) {
    return "Character map (" + decimal_string(column) + "," + decimal_string(row) +
           "):" + decimal_string(code) + "[" + twoHexDigits(code) + "]";
}

void moveCursor(AppState& state, int dx, int dy) {
    state.cursorColumn = (state.cursorColumn + dx) & 15;
    state.cursorRow = (state.cursorRow + dy) & 15;
    state.currentChar = uint8_t(state.cursorRow * 16 + state.cursorColumn);
    drawCharsetView(state);
    drawGlyphEditor(state);
    // Built in one buffer that lives for the whole run, so moving the cursor allocates nothing:
    // the description itself is short enough to stay off the heap.
    static std::string title;
    title = state.baseTitle;
    title += ' ';
    title += describeCode(state.currentChar, state.atariCodes);
    set_window_title(mainWindow, title);
}

void updateRangeLabels() {
    set_gadget_text(beginRangeLabel,
                    "BeginRange:" + rangeText(get_gadget_state(beginRangeTrackbar)));
    set_gadget_text(endRangeLabel, "End range:" + rangeText(get_gadget_state(endRangeTrackbar)));
}
