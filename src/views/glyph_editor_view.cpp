#include "views/glyph_editor_view.h"

namespace {

constexpr toolkit::Color gridLight = 0xFFFFFF;
constexpr toolkit::Color gridDark = 0x000000;

// Each set pixel is a square one pixel smaller than its cell, leaving a paper gap at the
// right and bottom.
void drawInkSquares(uint8_t row, int y, const GlyphLook& look) {
    if (!look.wide) {
        for (int column = 0; column < 8; ++column)
            if (row & (128 >> column))
                toolkit::draw_box(column * cellSize, y, cellSize - 1, cellSize - 1, look.ink());
        return;
    }
    for (int pair = 0; pair < 4; ++pair) {
        const int bits = (row >> (6 - 2 * pair)) & 3;
        if (bits != 0)
            toolkit::draw_box(pair * 2 * cellSize, y, 2 * cellSize - 1, cellSize - 1,
                              look.colors[bits]);
    }
}

// Dotted lines along the left and top edge of every cell, in fixed colours so that they stay
// visible whatever the paper and ink: light from even coordinates, dark from odd ones, so that
// the lines cross on light. Each line is one light box under its dark dots, half the boxes of
// dot by dot, since a painted pixel redraws the editor once for each pixel it changed.
void drawGrid(bool wide) {
    for (int i = 0; i < 8; ++i) {
        const int edge = i * cellSize;
        const bool upright = !wide || i % 2 == 0;
        if (upright) toolkit::draw_box(edge, 0, 1, glyphEditorSize, gridLight);
        toolkit::draw_box(0, edge, glyphEditorSize, 1, gridLight);
        for (int j = 1; j < glyphEditorSize; j += 2) {
            if (upright) toolkit::draw_box(edge, j, 1, 1, gridDark);
            toolkit::draw_box(j, edge, 1, 1, gridDark);
        }
    }
}

} // namespace

void drawGlyphEditor(GlyphRows glyph, const GlyphLook& look) {
    toolkit::draw_box(0, 0, glyphEditorSize, glyphEditorSize, look.paper());
    for (int row = 0; row < 8; ++row) drawInkSquares(glyph[row], row * cellSize, look);
    drawGrid(look.wide);
}
