#include "app/glyph_editor_input.h"

#include "toolkit/drawing.h"
#include "toolkit/windows.h"
#include "views/charset_view.h"

namespace {

constexpr double cellSize = 16.0;

// Toward zero, not down: a mouse held outside the canvas reports positions -15..-1 as cell 0.
int cellOf(int position) {
    return toolkit::truncate_to_int(position / cellSize);
}

bool isGlyphCell(int column, int row) {
    return column >= 0 && column < 8 && row >= 0 && row < 8;
}

// Sets or clears the glyph pixel under the mouse; positions beyond the editor are ignored.
void setPixelAt(AppState& state, int x, int y, bool ink) {
    const int column = cellOf(x);
    const int row = cellOf(y);
    if (!isGlyphCell(column, row)) return;
    uint8_t& bits = state.charset[state.currentChar * 8 + row];
    const int mask = 128 >> column;
    bits = static_cast<uint8_t>(ink ? bits | mask : bits & ~mask);
    refreshCharset(state);
}

} // namespace

void handleGlyphEditorEvent(AppState& state) {
    using namespace toolkit;
    const int x = get_gadget_attribute(glyphEditor, attribute_mouse_x);
    const int y = get_gadget_attribute(glyphEditor, attribute_mouse_y);
    const int buttons = get_gadget_attribute(glyphEditor, attribute_buttons);
    const int type = event_type();
    const bool moving = type == mouse_move;
    if (type == left_button_down || (moving && (buttons & button_left))) {
        setPixelAt(state, x, y, true);
    } else if (type == right_button_down || (moving && (buttons & button_right))) {
        setPixelAt(state, x, y, false);
    }
}
