// The map view: the character map as a text screen of glyphs at twice their size.
#pragma once

#include "model/document.h"
#include "model/map_block.h"
#include "views/cells.h"
#include "views/doubled_glyph.h"

// Draws the map cells from (first.column, first.row), columns x rows of them, on the open pass:
// each the glyph of its code in its colours and, with the grid, its dotted left and top edges.
// Cells of the look `rows` holds are copied from it.
void drawMapCells(const Document& document, bool grid, Cell first, int columns, int rows,
                  const GlyphRowTable* rowTable = nullptr);

// The cells are 16 pixels wide and `height` tall, as glyphCellHeight gives.
// The cell under the pointer, outlined in red.
void drawMapOutline(Cell cell, int height);
// The text cursor's cell, outlined in green, and the selected cells, outlined together in
// yellow; each sets the clip to what it draws.
void drawTextCursor(Cell cell, int height);
void drawSelectionOutline(const CellBox& box, int height);
