// What the rest of the core asks of the canvases' input.
#pragma once

namespace toolkit::detail {

// Every canvas of the window (-1: of every window) that holds buttons loses the capture.
void end_captures(int window);

} // namespace toolkit::detail
