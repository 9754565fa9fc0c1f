// The charset picture (image 0): all 256 glyphs at twice their size, 16 cells a row, ink on
// paper (or in the colour mode's colours). The charset view shows it and "Characters image" saves
// it.
#pragma once

#include "model/document.h"
#include "model/glyph_look.h"
#include "views/cells.h"

constexpr int charsetTableCells = 16;
constexpr int charsetImageWidth = charsetTableCells * cellSize;
constexpr int charsetImageHeight(int glyphHeight) {
    return charsetTableCells * glyphCellHeight(glyphHeight);
}

constexpr Cell charsetCell(int code) {
    return {code % charsetTableCells, code / charsetTableCells};
}

// The glyph's cell in the look's colours, on the open pass.
void drawCharsetImageCell(const Charset& charset, int code, const GlyphLook& look);
// Every glyph's cell: the whole picture, on the open pass.
void drawCharsetImage(const Charset& charset, const GlyphLook& look);
