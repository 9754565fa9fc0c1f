// Glyphs at twice their size, as the charset image and the map view show them.
#pragma once

#include "model/charset.h"
#include "model/glyph_look.h"
#include "toolkit/drawing.h"

// Every set bit (column l, row k) of the glyph becomes the 2 x 2 box at (x + 2l, y + 2k) in
// ink; clear bits are left untouched. Draws on the pass that is open.
void drawDoubledGlyph(GlyphRows glyph, int x, int y, toolkit::Color ink);

// The glyph's 16 x 16 cell with its top-left corner at (x, y): paper, then the pixels in the
// look's colours, wide pixels 4 x 2.
void drawGlyphCell(GlyphRows glyph, int x, int y, const GlyphLook& look);
