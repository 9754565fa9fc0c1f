// Glyphs at twice their size, as the charset image and the map view show them.
#pragma once

#include "model/charset.h"
#include "toolkit/drawing.h"

// Every set bit (column l, row k) of the glyph becomes the 2 x 2 box at (x + 2l, y + 2k) in
// ink; clear bits are left untouched. Draws on the pass that is open.
void drawDoubledGlyph(GlyphRows glyph, int x, int y, toolkit::Color ink);
