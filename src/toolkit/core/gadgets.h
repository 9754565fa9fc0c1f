// What the rest of the core asks of the gadgets.
#pragma once

#include "toolkit/drawing.h"

namespace toolkit::detail {

// The pixel buffer of a canvas gadget, made white when first needed; nullptr for any other.
PixelBuffer* canvas_buffer(int gadget);
// The canvas shows the area of its buffer anew.
void canvas_drawn(int gadget, const Area& area);
// Gives the gadget the keyboard focus (-1: none), raising the focus sub-events of canvases.
void move_focus(int gadget);

} // namespace toolkit::detail
