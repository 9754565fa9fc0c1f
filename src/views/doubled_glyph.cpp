#include "views/doubled_glyph.h"

#include <array>

namespace {

// The runs of set bits of one row byte, leftmost first. A run of n adjacent pixels is drawn
// as one box 2n wide: the same pixels as n boxes of 2 x 2, with a fraction of the calls, which
// matters because the map redraws thousands of glyphs after every edited pixel.
struct RowRuns {
    int count = 0;
    std::array<int, 4> start{}; // bit column of the leftmost pixel
    std::array<int, 4> length{};
};

constexpr std::array<RowRuns, 256> makeRunTable() {
    std::array<RowRuns, 256> table{};
    for (int value = 0; value < 256; ++value) {
        RowRuns& runs = table[value];
        int column = 0;
        while (column < 8) {
            if ((value & (128 >> column)) == 0) {
                ++column;
                continue;
            }
            const int start = column;
            while (column < 8 && (value & (128 >> column)) != 0) ++column;
            runs.start[runs.count] = start;
            runs.length[runs.count] = column - start;
            ++runs.count;
        }
    }
    return table;
}

constexpr std::array<RowRuns, 256> runTable = makeRunTable();

} // namespace

void drawDoubledGlyph(GlyphRows glyph, int x, int y, toolkit::Color ink) {
    for (int k = 0; k < 8; ++k) {
        const RowRuns& runs = runTable[glyph[k]];
        for (int r = 0; r < runs.count; ++r) {
            toolkit::draw_box(x + runs.start[r] * 2, y + k * 2, runs.length[r] * 2, 2, ink);
        }
    }
}

void drawGlyphCell(GlyphRows glyph, int x, int y, const GlyphLook& look) {
    toolkit::draw_box(x, y, 16, 16, look.paper());
    if (!look.wide) {
        drawDoubledGlyph(glyph, x, y, look.ink());
        return;
    }
    for (int k = 0; k < 8; ++k) {
        for (int pair = 0; pair < 4; ++pair) {
            const int bits = (glyph[k] >> (6 - 2 * pair)) & 3;
            if (bits != 0) toolkit::draw_box(x + pair * 4, y + k * 2, 4, 2, look.colors[bits]);
        }
    }
}
