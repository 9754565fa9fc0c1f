// Canvases are divided into 16 x 16-pixel cells.
#pragma once

#include <algorithm>

#include "toolkit/drawing.h"
#include "toolkit/windows.h"

struct Cell {
    int column;
    int row;
};

// Every position further out than this is as far outside every canvas; holding positions to it
// keeps the arithmetic on cells (row * 16 + column, column * 16) within an int.
constexpr int farthestPosition = 1 << 24;

// The cell under the mouse position of the current event, truncating toward zero: positions
// -15..15 all fall in cell 0.
inline Cell mouseCell(int gadget) {
    const int x = toolkit::get_gadget_attribute(gadget, toolkit::attribute_mouse_x);
    const int y = toolkit::get_gadget_attribute(gadget, toolkit::attribute_mouse_y);
    const auto cellOf = [](int position) {
        return toolkit::truncate_to_int(std::clamp(position, -farthestPosition, farthestPosition) /
                                        16.0);
    };
    return {cellOf(x), cellOf(y)};
}
