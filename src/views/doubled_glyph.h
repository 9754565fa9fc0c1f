// Glyphs at twice their size, as the charset image and the map view show them.
#pragma once

#include <array>

#include "model/charset.h"
#include "model/glyph_look.h"
#include "toolkit/drawing.h"
#include "views/cells.h"

// A glyph's cell, 16 pixels wide and two rows a glyph row, row by row: the pixels in the look's
// colours, wide pixels 4 x 2, written from `topLeft` on, `stride` pixels from one row to the next.
void writeGlyphCell(toolkit::Pixel* topLeft, int stride, GlyphRows glyph, const GlyphLook& look);

// The doubled pixel rows of all 256 bytes in one look: with them each pixel row of a cell is one
// copy, for the views that draw thousands of cells of the same look.
class GlyphRowTable {
  public:
    // Makes the rows of the look, unless they are made already.
    void prepare(const GlyphLook& look);
    bool holds(const GlyphLook& look) const { return prepared_ && look_ == look; }
    const toolkit::Pixel* row(uint8_t bits) const { return &rows_[size_t(bits) * 16]; }

  private:
    bool prepared_ = false;
    GlyphLook look_;
    std::array<toolkit::Pixel, 256 * 16> rows_{};
};

// The same cell from the rows of its look.
void writeGlyphCell(toolkit::Pixel* topLeft, int stride, GlyphRows glyph,
                    const GlyphRowTable& table);

// Hands `write` the canvas's pixels of the cell at (x, y), 16 wide and `height` tall, and their
// stride; where the clip cuts the cell, a tile of its own instead, which is then drawn through
// the clip.
template <class Write> void writeCellAt(int x, int y, int height, Write write) {
    int stride = 0;
    if (toolkit::Pixel* pixels = toolkit::pixels_to_write(x, y, 16, height, stride))
        return write(pixels, stride);
    std::array<toolkit::Pixel, 16 * glyphCellHeight(maxGlyphHeight)> tile;
    write(tile.data(), 16);
    toolkit::draw_pixels(x, y, 16, height, tile.data());
}

// The glyph's cell with its top-left corner at (x, y), drawn at once as one block of pixels.
void drawGlyphCell(GlyphRows glyph, int x, int y, const GlyphLook& look);
