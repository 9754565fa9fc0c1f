// Rectangles of cells: taken out of the map, written into it clipped at its edges, filled.
#pragma once

#include "model/editor.h"
#include "model/map_block.h"

// The box's part inside the visible map.
CellBox visiblePart(const Document& document, CellBox box);
// The codes and colours of the visible cells of the box.
MapBlock copyMapBlock(const Document& document, CellBox box);
// Writes the block with its top left at (column, row); what falls outside the visible map is
// left out. A block without colours writes `color` where it writes a code, unless it is -1.
void pasteMapBlock(Editor& editor, const MapBlock& block, int column, int row, int color);
// Every visible cell of the box takes the code and, unless it is -1, the colour.
void fillMapBox(Editor& editor, CellBox box, int32_t code, int color);
