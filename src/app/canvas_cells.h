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

// A painting stroke runs from a button going down on the canvas until no button is held: all it
// paints becomes one undo step.
inline void followStroke(bool& stroking, int gadget) {
    using namespace toolkit;
    const int type = event_type();
    if (type == left_button_down || type == right_button_down) stroking = true;
    const bool released = type == left_button_up || type == right_button_up ||
                          type == middle_button_up || type == capture_lost;
    if (released && get_gadget_attribute(gadget, attribute_buttons) == 0) stroking = false;
}

// The cell under the mouse position of the current event.
inline Cell mouseCell(int gadget) {
    return {cellOf(toolkit::get_gadget_attribute(gadget, toolkit::attribute_mouse_x)),
            cellOf(toolkit::get_gadget_attribute(gadget, toolkit::attribute_mouse_y))};
}
