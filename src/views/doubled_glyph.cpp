#include "views/doubled_glyph.h"

#include <array>

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
constexpr std::array<RowRuns, 256> wideRuns = makeRunTable<2>();

} // namespace

void drawDoubledGlyph(GlyphRows glyph, int x, int y, toolkit::Color ink) {
    for (int k = 0; k < 8; ++k) {
        const RowRuns& runs = narrowRuns[glyph[k]];
        for (int r = 0; r < runs.count; ++r)
            toolkit::draw_box(x + runs.start[r] * 2, y + k * 2, runs.length[r] * 2, 2, ink);
    }
}

void drawGlyphCell(GlyphRows glyph, int x, int y, const GlyphLook& look) {
    toolkit::draw_box(x, y, 16, 16, look.paper());
    if (!look.wide) {
        drawDoubledGlyph(glyph, x, y, look.ink());
        return;
    }
    for (int k = 0; k < 8; ++k) {
        const RowRuns& runs = wideRuns[glyph[k]];
        for (int r = 0; r < runs.count; ++r)
            toolkit::draw_box(x + runs.start[r] * 4, y + k * 2, runs.length[r] * 4, 2,
                              look.colors[size_t(runs.value[r])]);
    }
}
