#include "toolkit/core/shown_menus.h"

#include "toolkit/binding.h"
#include "toolkit/core/toolkit_state.h"

namespace toolkit::detail {

void show_changed_menus() {
    MenuTables& tables = menu_tables();
    for (int menu : tables.changed_bars) {
        auto found = tables.menus.find(menu);
        if (found != tables.menus.end()) binding().menu_changed(found->second);
    }
    tables.changed_bars.clear();
}

void destroy_menus_of_window(int window) {
    MenuTables& tables = menu_tables();
    for (auto it = tables.menus.begin(); it != tables.menus.end();) {
        if (!it->second.popup && it->second.window == window) {
            binding().destroy_menu(it->first);
            it = tables.menus.erase(it);
        } else {
            ++it;
        }
    }
    tables.shortcuts.erase(window);
}

void destroy_all_menus() {
    MenuTables& tables = menu_tables();
    for (const auto& [number, record] : tables.menus) binding().destroy_menu(number);
    tables = MenuTables{};
}

} // namespace toolkit::detail
