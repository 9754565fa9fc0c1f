// The glyph editor: the current glyph enlarged sixteen times under a dotted grid.
#pragma once

#include "model/document.h"
#include "views/cells.h"

constexpr int glyphEditorSize = 8 * cellSize;

// Draws the editor on the open pass, within the pass's clip.
void drawGlyphEditor(GlyphRows glyph, Color paper, Color ink);
