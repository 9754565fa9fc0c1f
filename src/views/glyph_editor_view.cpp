#include "views/glyph_editor_view.h"

#include <string>

#include "toolkit/requesters.h"
#include "toolkit/texts.h"
#include "toolkit/windows.h"
#include "views/map_view.h"

namespace {

constexpr int cellSize = 16;
constexpr int editorSize = 8 * cellSize;
constexpr toolkit::Color gridLight = 0xFFFFFF;
constexpr toolkit::Color gridDark = 0x000000;

// Each set pixel is a square one pixel smaller than its cell, leaving a paper gap at the
// right and bottom.
void drawInkSquares(uint8_t row, int y, toolkit::Color ink) {
    for (int column = 0; column < 8; ++column) {
        if (row & (128 >> column)) {
            toolkit::draw_box(column * cellSize, y, cellSize - 1, cellSize - 1, ink);
        }
    }
}

// Dotted lines along the left and top edge of every cell, in fixed colours so that they stay
// visible whatever the paper and ink.
void drawGrid() {
    for (int i = 0; i < 8; ++i) {
        const int edge = i * cellSize;
        for (int j = 0; j < editorSize - 1; j += 2) {
            toolkit::draw_box(edge, j, 1, 1, gridLight);
            toolkit::draw_box(edge, j + 1, 1, 1, gridDark);
            toolkit::draw_box(j, edge, 1, 1, gridLight);
            toolkit::draw_box(j + 1, edge, 1, 1, gridDark);
        }
    }
}

} // namespace

void drawGlyphEditor(const AppState& state) {
    if (!toolkit::start_drawing(toolkit::canvas_output(glyphEditor))) {
        toolkit::message_requester("gridlet", "draw character error!", toolkit::message_ok);
        return;
    }
    toolkit::draw_box(0, 0, editorSize, editorSize, state.paperColor);
    // Rewritten after every edited pixel, so built in one buffer that lives for the whole run:
    // once it has held the longest text, editing allocates nothing here.
    static std::string data;
    data.clear();
    for (int row = 0; row < 8; ++row) {
        const uint8_t bits = state.charset[state.currentChar * 8 + row];
        data += toolkit::decimal_string(bits); // at most three digits: no heap
        data += ",";
        drawInkSquares(bits, row * cellSize, state.inkColor);
    }
    if (data.ends_with(',')) data.pop_back();
    toolkit::set_gadget_text(dataField, data);
    drawGrid();
    toolkit::stop_drawing();
    drawMap(state);
}
