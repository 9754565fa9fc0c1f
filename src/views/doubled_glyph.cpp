#include "views/doubled_glyph.h"

#include <algorithm>
#include <array>
#include <cstring>

// Written straight into the canvas, without branches on the bits: a pasted block or a full
// redraw writes thousands of cells.
void writeGlyphCell(toolkit::Pixel* topLeft, int stride, GlyphRows glyph, const GlyphLook& look) {
    using toolkit::Pixel;
    std::array<Pixel, 4> colors{};
    for (size_t i = 0; i < colors.size(); ++i) colors[i] = toolkit::pixel_of(look.colors[i]);
    for (size_t k = 0; k < glyph.size(); ++k) {
        Pixel* row = topLeft + ptrdiff_t(2 * k) * stride;
        const unsigned bits = glyph[k];
        // Narrow pixels are 2 wide, a bit each; wide ones 4 wide, a bit pair each.
        if (look.wide) {
            for (int pair = 0; pair < 4; ++pair) {
                const Pixel pixel = colors[(bits >> (6 - 2 * pair)) & 3];
                row[4 * pair] = row[4 * pair + 1] = row[4 * pair + 2] = row[4 * pair + 3] = pixel;
            }
        } else {
            for (int bit = 0; bit < 8; ++bit)
                row[2 * bit] = row[2 * bit + 1] = colors[(bits >> (7 - bit)) & 1];
        }
        std::memcpy(row + stride, row, 16 * sizeof(Pixel)); // each glyph row is two pixel rows
    }
}

void GlyphRowTable::prepare(const GlyphLook& look) {
    if (holds(look)) return;
    // Eight bytes at a time, as the rows of a glyph.
    for (int first = 0; first < 256; first += 8) {
        std::array<uint8_t, 8> bytes{};
        for (int k = 0; k < 8; ++k) bytes[size_t(k)] = uint8_t(first + k);
        toolkit::Pixel twoRows[16 * 16];
        writeGlyphCell(twoRows, 16, bytes, look);
        for (int k = 0; k < 8; ++k)
            std::memcpy(&rows_[size_t(first + k) * 16], twoRows + 32 * k,
                        16 * sizeof(toolkit::Pixel));
    }
    look_ = look;
    prepared_ = true;
}

void writeGlyphCell(toolkit::Pixel* topLeft, int stride, GlyphRows glyph,
                    const GlyphRowTable& table) {
    for (size_t k = 0; k < glyph.size(); ++k) {
        toolkit::Pixel* row = topLeft + ptrdiff_t(2 * k) * stride;
        const toolkit::Pixel* pixels = table.row(glyph[k]);
        std::memcpy(row, pixels, 16 * sizeof(toolkit::Pixel));
        std::memcpy(row + stride, pixels, 16 * sizeof(toolkit::Pixel));
    }
}

void drawGlyphCell(GlyphRows glyph, int x, int y, const GlyphLook& look) {
    writeCellAt(x, y, glyphCellHeight(int(glyph.size())), [&](toolkit::Pixel* pixels, int stride) {
        writeGlyphCell(pixels, stride, glyph, look);
    });
}
