// The cell under the mouse on a canvas.
#pragma once

#include <algorithm>

#include "toolkit/drawing.h"
#include "toolkit/windows.h"
#include "views/cells.h"

// Every position further out than this is as far outside every canvas; holding positions to it
// keeps the arithmetic on cells (row * 16 + column, column * 16) within an int.
constexpr int farthestPosition = 1 << 24;

// The cell of a position, truncating toward zero: positions -15..15 all fall in cell 0.
inline int cellOf(int position) {
    return toolkit::truncate_to_int(std::clamp(position, -farthestPosition, farthestPosition) /
                                    double(cellSize));
}

// The cell under the mouse position of the current event.
inline Cell mouseCell(int gadget) {
    return {cellOf(toolkit::get_gadget_attribute(gadget, toolkit::attribute_mouse_x)),
            cellOf(toolkit::get_gadget_attribute(gadget, toolkit::attribute_mouse_y))};
}
