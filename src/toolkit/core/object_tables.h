// The numbered windows and gadgets of the core. Internal to the toolkit.
#pragma once

#include <map>
#include <vector>

#include "toolkit/binding.h"

namespace toolkit::detail {

struct ObjectTables {
    std::map<int, WindowRecord> windows;
    std::map<int, GadgetRecord> gadgets;
    std::vector<int> gadget_order; // creation order, for Tab
    int current_window = -1;       // parent of the gadgets created next
    int focus = -1;
    int active = -1;
};

ObjectTables& tables();
WindowRecord* window_record(int window);
GadgetRecord* gadget_record(int gadget);
void destroy_all_windows();
// Gives the gadget the keyboard focus, raising the focus sub-events of canvases.
void move_focus(int gadget);
// Every canvas of the window (-1: of every window) that holds buttons loses the capture.
void end_captures(int window);

} // namespace toolkit::detail
