#include "views/doubled_glyph.h"

#include <algorithm>
#include <array>
#include <cstring>

// The cell is made whole in a tile and copied at once: a pasted block redraws a thousand cells.
void makeGlyphTile(GlyphTile& tile, GlyphRows glyph, const GlyphLook& look) {
    using toolkit::Pixel;
    std::array<Pixel, 4> colors{};
    for (size_t i = 0; i < colors.size(); ++i) colors[i] = toolkit::pixel_of(look.colors[i]);
    for (int k = 0; k < 8; ++k) {
        Pixel* row = tile.data() + k * 32;
        const int bits = glyph[k];
        // Narrow pixels are 2 wide, a bit each; wide ones 4 wide, a bit pair each.
        if (look.wide) {
            for (int pair = 0; pair < 4; ++pair)
                std::fill_n(row + 4 * pair, 4, colors[size_t((bits >> (6 - 2 * pair)) & 3)]);
        } else {
            for (int bit = 0; bit < 8; ++bit)
                row[2 * bit] = row[2 * bit + 1] = (bits << bit) & 0x80 ? colors[1] : colors[0];
        }
        std::memcpy(row + 16, row, 16 * sizeof(Pixel)); // each glyph row is two pixel rows
    }
}

void drawGlyphCell(GlyphRows glyph, int x, int y, const GlyphLook& look) {
    GlyphTile tile;
    makeGlyphTile(tile, glyph, look);
    toolkit::draw_pixels(x, y, 16, 16, tile.data());
}
