// The glyph editor: the current glyph enlarged under a dotted grid, sixteen times for glyphs of
// up to 8 rows and less for taller ones, so that the grid fits its place in whole pixels; wide
// pixels are two squares wide, with the grid between them.
#pragma once

#include "model/document.h"
#include "model/glyph_look.h"
#include "views/cells.h"

constexpr int glyphEditorSize = 8 * cellSize;

// The side of a pixel's square, grid line included.
constexpr int editorSquare(int glyphHeight) {
    return glyphHeight <= machineGlyphHeight ? cellSize : glyphEditorSize / glyphHeight;
}

// Draws the editor on the open pass, within the pass's clip.
void drawGlyphEditor(GlyphRows glyph, const GlyphLook& look);
