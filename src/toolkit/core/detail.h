// Internal links between the parts of the toolkit core. Not for the logic.
#pragma once

#include <string>
#include <vector>

#include "toolkit/drawing.h"

namespace toolkit {
class Binding;
}

namespace toolkit::detail {

// The binding given to start_toolkit (windows.cpp).
Binding& binding();

// Canvases (windows.cpp): the pixel buffer of a canvas gadget, or nullptr; and showing it.
PixelBuffer* canvas_buffer(int gadget);
void canvas_drawn(int gadget, const Area& area);

// Images (drawing.cpp): released by shut_down_toolkit.
void free_all_images();

// Files (files.cpp): closed by shut_down_toolkit, buffers written; and the files saved on a
// thread of their own, finished (background_saves.cpp).
void close_all_files();
void end_background_saves();

// Process facts (texts.cpp), set by start_toolkit.
void set_program_parameters(std::vector<std::string> parameters);

} // namespace toolkit::detail
