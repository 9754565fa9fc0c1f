#include "app/glyph_editor_input.h"

#include "app/canvas_cells.h"
#include "views/glyph_editor_view.h"

namespace {

bool isGlyphCell(Cell cell, int height) {
    return cell.column >= 0 && cell.column < 8 && cell.row >= 0 && cell.row < height;
}

// Sets or clears the glyph pixel under the mouse; positions beyond the editor are ignored. A wide
// pixel, two cells wide, takes the pen's bit pair, or 00.
void setPixelAt(Editor& editor, Cell cell, bool ink) {
    const Document& document = editor.document();
    if (!isGlyphCell(cell, document.charset.height)) return;
    const uint8_t bits = editor.currentGlyph()[cell.row];
    uint8_t painted = 0;
    if (widePixels(document.colorMode)) {
        const int shift = 6 - 2 * (cell.column / 2);
        const int pair = ink ? document.pen : 0;
        painted = static_cast<uint8_t>((bits & ~(3 << shift)) | (pair << shift));
    } else {
        const int mask = 128 >> cell.column;
        painted = static_cast<uint8_t>(ink ? bits | mask : bits & ~mask);
    }
    // A pixel that already has the colour is no edit.
    if (painted != bits) editor.changeGlyph(editor.currentChar())[cell.row] = painted;
}

} // namespace

void handleGlyphEditorEvent(Editor& editor, const Event& event) {
    using namespace toolkit;
    const int square = editorSquare(editor.document().charset.height);
    const Cell cell = eventCell(event, square, square);
    const int type = event.type;
    followStroke(editor, event);
    const bool moving = type == mouse_move;
    if (type == left_button_down || (moving && (event.buttons & button_left))) {
        setPixelAt(editor, cell, true);
    } else if (type == right_button_down || (moving && (event.buttons & button_right))) {
        setPixelAt(editor, cell, false);
    }
}
