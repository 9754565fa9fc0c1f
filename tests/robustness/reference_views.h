// Slow, pixel-by-pixel renderings of what the charset picture and the glyph editor must show
// for a state, written from their descriptions and not from the renderers. The colours come
// from the colour mode's look (model/glyph_look.h); where they go is worked out here.
#pragma once

#include <string>

#include "app/app_state.h"
#include "toolkit/drawing.h"

// Image 0: every glyph pixel a 2 x 2 square (a wide one 4 x 2), 16 glyphs a row, of any height.
toolkit::PixelBuffer referenceCharsetImage(const AppState& state);
// The glyph editor: 15 x 15 squares (wide ones 31 x 15), smaller for glyphs of more than 8 rows,
// on paper under a dotted white and black grid.
toolkit::PixelBuffer referenceGlyphEditor(const AppState& state);
// The visible map: each cell's glyph doubled in its own look, under a dotted ink and paper grid
// when it is on.
toolkit::PixelBuffer referenceMap(const AppState& state);
// The data field: the current glyph's row bytes in decimal, separated by commas; four a line for
// glyphs taller than 8 rows.
std::string referenceDataText(const AppState& state);

// "" when the two are the same size with the same pixels, else where they first differ.
std::string pixelDifference(const toolkit::PixelBuffer& shown,
                            const toolkit::PixelBuffer& expected);
// As pixelDifference over the expected picture's area, except that the shown one may be larger
// and may carry the hover outline: the border of one cell, 16 wide and cellHeight tall, in the
// outline colour.
std::string differenceBesideOutline(const toolkit::PixelBuffer& shown,
                                    const toolkit::PixelBuffer& expected, toolkit::Color outline,
                                    int cellHeight);
