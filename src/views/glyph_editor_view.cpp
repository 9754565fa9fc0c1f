#include "views/glyph_editor_view.h"

namespace {

constexpr toolkit::Color gridLight = 0xFFFFFF;
constexpr toolkit::Color gridDark = 0x000000;
constexpr toolkit::Color beyondGrid = 0x808080; // where a glyph of other than 8 rows leaves room

// Each set pixel is a square one pixel smaller than its cell, leaving a paper gap at the
// right and bottom.
void drawInkSquares(uint8_t row, int y, int square, const GlyphLook& look) {
    if (!look.wide) {
        for (int column = 0; column < 8; ++column)
            if (row & (128 >> column))
                toolkit::draw_box(column * square, y, square - 1, square - 1, look.ink());
        return;
    }
    for (int pair = 0; pair < 4; ++pair) {
        const int bits = (row >> (6 - 2 * pair)) & 3;
        if (bits != 0)
            toolkit::draw_box(pair * 2 * square, y, 2 * square - 1, square - 1, look.colors[bits]);
    }
}

// Dotted lines along the left and top edge of every cell, in fixed colours so that they stay
// visible whatever the paper and ink: light from even coordinates, dark from odd ones, so that
// the lines cross on light. Each line is one light box under its dark dots, half the boxes of
// dot by dot, since a painted pixel redraws the editor once for each pixel it changed.
void drawGrid(bool wide, int rows, int square) {
    const int width = 8 * square, height = rows * square;
    for (int i = 0; i < 8; ++i) {
        if (wide && i % 2 != 0) continue;
        const int edge = i * square;
        toolkit::draw_box(edge, 0, 1, height, gridLight);
        for (int j = 1; j < height; j += 2) toolkit::draw_box(edge, j, 1, 1, gridDark);
    }
    for (int i = 0; i < rows; ++i) {
        const int edge = i * square;
        toolkit::draw_box(0, edge, width, 1, gridLight);
        for (int j = 1; j < width; j += 2) toolkit::draw_box(j, edge, 1, 1, gridDark);
    }
}

} // namespace

void drawGlyphEditor(GlyphRows glyph, const GlyphLook& look) {
    const int rows = int(glyph.size()), square = editorSquare(rows);
    if (rows * square < glyphEditorSize || 8 * square < glyphEditorSize)
        toolkit::draw_box(0, 0, glyphEditorSize, glyphEditorSize, beyondGrid);
    toolkit::draw_box(0, 0, 8 * square, rows * square, look.paper());
    for (int row = 0; row < rows; ++row)
        drawInkSquares(glyph[size_t(row)], row * square, square, look);
    drawGrid(look.wide, rows, square);
}
