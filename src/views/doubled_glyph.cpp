#include "views/doubled_glyph.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

// The runs of equal pixels of one row byte that are not 0, leftmost first. A run of n adjacent
// pixels is drawn as one box n pixels wide: the same pixels as n boxes, with a fraction of the
// calls, which matters because the map redraws thousands of glyphs after every edited pixel.
struct RowRuns {
    int count = 0;
    std::array<int, 4> start{};  // the leftmost pixel
    std::array<int, 4> length{}; // in pixels
    std::array<int, 4> value{};  // the pixel's bits: 1 for a narrow one, the pair for a wide one
};

// Pixels of one bit (8 a row) or of a bit pair (4 a row, wide).
template <int bits> constexpr std::array<RowRuns, 256> makeRunTable() {
    constexpr int pixels = 8 / bits, mask = (1 << bits) - 1;
    const auto pixelOf = [](int row, int pixel) {
        return (row >> (8 - bits * (pixel + 1))) & mask;
    };
    std::array<RowRuns, 256> table{};
    for (int row = 0; row < 256; ++row) {
        RowRuns& runs = table[size_t(row)];
        int pixel = 0;
        while (pixel < pixels) {
            const int value = pixelOf(row, pixel);
            const int start = pixel;
            while (pixel < pixels && pixelOf(row, pixel) == value) ++pixel;
            if (value == 0) continue;
            runs.start[size_t(runs.count)] = start;
            runs.length[size_t(runs.count)] = pixel - start;
            runs.value[size_t(runs.count)] = value;
            ++runs.count;
        }
    }
    return table;
}

constexpr std::array<RowRuns, 256> narrowRuns = makeRunTable<1>();

} // namespace

void drawDoubledGlyph(GlyphRows glyph, int x, int y, toolkit::Color ink) {
    for (int k = 0; k < 8; ++k) {
        const RowRuns& runs = narrowRuns[glyph[k]];
        for (int r = 0; r < runs.count; ++r)
            toolkit::draw_box(x + runs.start[r] * 2, y + k * 2, runs.length[r] * 2, 2, ink);
    }
}

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
