// The running toolkit's windows and gadgets, found and ended.
#pragma once

#include "toolkit/binding.h"

namespace toolkit::detail {

// nullptr when there is none.
WindowRecord* window_record(int window);
GadgetRecord* gadget_record(int gadget);

// Each ends the object here and on the platform: a window with its menu bar and gadgets.
void destroy_window(int window);
void destroy_gadget(int gadget);
void destroy_all_windows();

} // namespace toolkit::detail
