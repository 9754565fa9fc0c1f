#include "app/glyph_editor_input.h"

#include "app/canvas_cells.h"
#include "app/refresh.h"

namespace {

bool isGlyphCell(Cell cell) {
    return cell.column >= 0 && cell.column < 8 && cell.row >= 0 && cell.row < 8;
}

// Sets or clears the glyph pixel under the mouse; positions beyond the editor are ignored.
void setPixelAt(AppState& state, Cell cell, bool ink) {
    if (!isGlyphCell(cell)) return;
    uint8_t& bits = state.glyph(state.currentChar)[cell.row];
    const int mask = 128 >> cell.column;
    bits = static_cast<uint8_t>(ink ? bits | mask : bits & ~mask);
    requestRedraw(state, redrawGlyphViews);
}

} // namespace

void handleGlyphEditorEvent(AppState& state) {
    using namespace toolkit;
    const Cell cell = mouseCell(glyphEditor);
    const int buttons = get_gadget_attribute(glyphEditor, attribute_buttons);
    const int type = event_type();
    followStroke(state.stroking, glyphEditor);
    const bool moving = type == mouse_move;
    if (type == left_button_down || (moving && (buttons & button_left))) {
        setPixelAt(state, cell, true);
    } else if (type == right_button_down || (moving && (buttons & button_right))) {
        setPixelAt(state, cell, false);
    }
}
