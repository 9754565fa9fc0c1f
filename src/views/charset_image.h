// The charset picture (image 0): all 256 glyphs at twice their size, 16 cells a row, ink on
// paper. The charset view shows it and "Characters image" saves it.
#pragma once

#include "model/document.h"
#include "views/cells.h"

constexpr int charsetTableCells = 16;
constexpr int charsetImageSize = charsetTableCells * cellSize;

constexpr Cell charsetCell(int code) {
    return {code % charsetTableCells, code / charsetTableCells};
}

// The glyph's cell, paper and ink, on the open pass.
void drawCharsetImageCell(const Charset& charset, int code, Color paper, Color ink);
// Every glyph's cell: the whole picture, on the open pass.
void drawCharsetImage(const Charset& charset, Color paper, Color ink);
