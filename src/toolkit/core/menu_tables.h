// Menus as data and the keyboard shortcut tables.
#pragma once

#include <cstddef>
#include <map>
#include <set>
#include <utility>
#include <vector>

#include "toolkit/binding.h"

namespace toolkit::detail {

using MenuPath = std::vector<size_t>; // indices from a menu's top entries down to a container

struct MenuBuilder {
    int menu = -1;    // the menu being built
    MenuPath current; // its current container
    std::vector<std::pair<int, MenuPath>> stack;
};

struct MenuTables {
    std::map<int, MenuRecord> menus;
    std::set<int> changed_bars;
    MenuBuilder builder;
    // Per window: (virtual key, modifier bits) -> menu item id.
    std::map<int, std::map<std::pair<int, int>, int>> shortcuts;
};

} // namespace toolkit::detail
