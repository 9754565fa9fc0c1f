// The colours a glyph is drawn in, as the document's colour mode shows it: in the glyph views
// with the painting colour, on the map with each cell's own colour.
#pragma once

#include <array>

#include "model/document.h"

struct GlyphLook {
    bool wide = false;             // bit pairs as wide pixels
    std::array<Color, 4> colors{}; // narrow: paper, ink; wide: the colour of each bit pair

    Color paper() const { return colors[0]; }
    Color ink() const { return colors[wide ? 3 : 1]; }
    bool operator==(const GlyphLook&) const = default;
};

// One colour for clear bits, one for set bits.
constexpr GlyphLook narrowLook(Color paper, Color ink) {
    return {false, {paper, ink, paper, ink}};
}

// The charset view, the glyph editor and the pictures of the set.
GlyphLook glyphLook(const Document& document);

// The bits of a map cell's code that pick its glyph: in Atari four colours bit 7 picks a colour.
constexpr int mapCodeMask(ColorMode mode) {
    return mode == ColorMode::atari4 ? 0x7F : 0xFF;
}

// A map cell: the glyph it shows and its colours.
struct CellLook {
    int code;
    GlyphLook look;
};
CellLook mapCellLook(const Document& document, int column, int row);

Color c64Color(int color);
Color atariColor(int value);
// The paper and ink of a Spectrum attribute; flash is shown steady.
GlyphLook spectrumLook(int attribute);
