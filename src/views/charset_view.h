// The charset view: image 0 with the checkered cursor over the current char's cell, and the
// pointer's feedback on top until the view is next redrawn. Everything draws on the open pass
// and only in the area it names, so that the canvas shows anew just that area.
#pragma once

#include "views/cells.h"

// Cells are 16 pixels wide and `height` tall, as glyphCellHeight gives.

// Copies the area of the charset picture onto the pass with the cursor pattern over it.
void drawCharsetViewArea(toolkit::ImageHandle picture, const toolkit::Area& area, Cell cursor,
                         int height);

// The cell under the pointer, outlined in green.
void drawHoverOutline(Cell cell, int height);

// A dragged glyph: its cell of the picture with the top-left corner exactly at the pointer
// (x, y), and the cell it would land on outlined in red.
void drawDraggedGlyph(toolkit::ImageHandle picture, int source, int x, int y, Cell target,
                      int height);
toolkit::Area draggedGlyphArea(int x, int y, int height);
