#include "views/glyph_editor_view.h"

namespace {

constexpr toolkit::Color gridLight = 0xFFFFFF;
constexpr toolkit::Color gridDark = 0x000000;

// Each set pixel is a square one pixel smaller than its cell, leaving a paper gap at the
// right and bottom.
void drawInkSquares(uint8_t row, int y, Color ink) {
    for (int column = 0; column < 8; ++column)
        if (row & (128 >> column))
            toolkit::draw_box(column * cellSize, y, cellSize - 1, cellSize - 1, ink);
}

// Dotted lines along the left and top edge of every cell, in fixed colours so that they stay
// visible whatever the paper and ink.
void drawGrid() {
    for (int i = 0; i < 8; ++i) {
        const int edge = i * cellSize;
        for (int j = 0; j < glyphEditorSize - 1; j += 2) {
            toolkit::draw_box(edge, j, 1, 1, gridLight);
            toolkit::draw_box(edge, j + 1, 1, 1, gridDark);
            toolkit::draw_box(j, edge, 1, 1, gridLight);
            toolkit::draw_box(j + 1, edge, 1, 1, gridDark);
        }
    }
}

} // namespace

void drawGlyphEditor(GlyphRows glyph, Color paper, Color ink) {
    toolkit::draw_box(0, 0, glyphEditorSize, glyphEditorSize, paper);
    for (int row = 0; row < 8; ++row) drawInkSquares(glyph[row], row * cellSize, ink);
    drawGrid();
}
