// Canvases are divided into 16 x 16-pixel cells.
#pragma once

#include "toolkit/drawing.h"
#include "toolkit/windows.h"

struct Cell {
    int column;
    int row;
};

// The cell under the mouse position of the current event, truncating toward zero: positions
// -15..15 all fall in cell 0.
inline Cell mouseCell(int gadget) {
    const int x = toolkit::get_gadget_attribute(gadget, toolkit::attribute_mouse_x);
    const int y = toolkit::get_gadget_attribute(gadget, toolkit::attribute_mouse_y);
    return {toolkit::truncate_to_int(x / 16.0), toolkit::truncate_to_int(y / 16.0)};
}
