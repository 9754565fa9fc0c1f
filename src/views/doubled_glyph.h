// Glyphs at twice their size, as the charset image and the map view show them.
#pragma once

#include <array>

#include "model/charset.h"
#include "model/glyph_look.h"
#include "toolkit/drawing.h"

// A glyph's 16 x 16 cell, row by row: the pixels in the look's colours, wide pixels 4 x 2.
using GlyphTile = std::array<toolkit::Pixel, 16 * 16>;
void makeGlyphTile(GlyphTile& tile, GlyphRows glyph, const GlyphLook& look);

// The glyph's cell with its top-left corner at (x, y), drawn at once as one block of pixels.
void drawGlyphCell(GlyphRows glyph, int x, int y, const GlyphLook& look);
