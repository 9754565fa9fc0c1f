// The numbered windows and gadgets of the core.
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

    WindowRecord* window(int number) {
        auto found = windows.find(number);
        return found == windows.end() ? nullptr : &found->second;
    }
    GadgetRecord* gadget(int number) {
        auto found = gadgets.find(number);
        return found == gadgets.end() ? nullptr : &found->second;
    }
};

} // namespace toolkit::detail
