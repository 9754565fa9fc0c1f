// The glyph editor: the current glyph enlarged sixteen times under a dotted grid; wide pixels
// are two cells wide, with the grid between them.
#pragma once

#include "model/document.h"
#include "model/glyph_look.h"
#include "views/cells.h"

constexpr int glyphEditorSize = 8 * cellSize;

// Draws the editor on the open pass, within the pass's clip.
void drawGlyphEditor(GlyphRows glyph, const GlyphLook& look);
