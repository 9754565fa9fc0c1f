// Menus as data, keyboard shortcut tables and drop registrations.
#include "toolkit/menus.h"

#include <algorithm>
#include <tuple>

#include "toolkit/core/events.h"
#include "toolkit/core/gadget_input.h"
#include "toolkit/core/objects.h"
#include "toolkit/core/shown_menus.h"
#include "toolkit/core/toolkit_state.h"

namespace toolkit::detail {
namespace {

MenuRecord* find_record(int menu) {
    auto found = menu_tables().menus.find(menu);
    return found == menu_tables().menus.end() ? nullptr : &found->second;
}

std::vector<MenuEntry>* container(int menu, const MenuPath& path) {
    MenuRecord* record = find_record(menu);
    if (!record) return nullptr;
    std::vector<MenuEntry>* entries = &record->entries;
    for (size_t index : path) {
        if (index >= entries->size()) return nullptr;
        entries = &(*entries)[index].children;
    }
    return entries;
}

void note_change(int menu) {
    const MenuRecord* record = find_record(menu);
    if (record && !record->popup) menu_tables().changed_bars.insert(menu);
}

// Appends to the current container; the index of the new entry, or -1.
long append(MenuEntry entry) {
    const MenuBuilder& builder = menu_tables().builder;
    std::vector<MenuEntry>* entries = container(builder.menu, builder.current);
    if (!entries) return -1;
    entries->push_back(std::move(entry));
    note_change(builder.menu);
    return long(entries->size() - 1);
}

MenuEntry* find_item(std::vector<MenuEntry>& entries, int id) {
    for (MenuEntry& entry : entries) {
        if (entry.kind == MenuEntry::Kind::item && entry.id == id) return &entry;
        if (MenuEntry* inner = find_item(entry.children, id)) return inner;
    }
    return nullptr;
}

MenuEntry* find_item(int menu, int id) {
    MenuRecord* record = find_record(menu);
    return record ? find_item(record->entries, id) : nullptr;
}

int add_menu(int menu, MenuRecord record) {
    if (menu < 0) return 0;
    MenuTables& tables = menu_tables();
    if (tables.menus.count(menu)) {
        tables.menus.erase(menu);
        binding().destroy_menu(menu);
    }
    tables.menus[menu] = std::move(record);
    tables.builder = MenuBuilder{.menu = menu, .current = {}, .stack = tables.builder.stack};
    return 1;
}

int shortcut_modifiers(int modifier_bits) {
    return (modifier_bits & modifier_shift ? shortcut_shift : 0) |
           (modifier_bits & modifier_control ? shortcut_control : 0) |
           (modifier_bits & modifier_alt ? shortcut_alt : 0);
}

// Tab and Shift+Tab: the next or previous tab stop of the window, in creation order.
void move_focus_in_window(int window, bool backwards) {
    std::vector<int> stops;
    for (int gadget : gadgets_in_window(window))
        if (gadget_record(gadget)->is_tab_stop()) stops.push_back(gadget);
    if (stops.empty()) return;
    auto at = std::find(stops.begin(), stops.end(), tables().focus);
    size_t next = 0;
    if (at != stops.end()) {
        const size_t index = size_t(at - stops.begin());
        next = backwards ? (index + stops.size() - 1) % stops.size() : (index + 1) % stops.size();
    } else if (backwards) {
        next = stops.size() - 1;
    }
    set_active_gadget(stops[next]);
}

} // namespace
} // namespace toolkit::detail

namespace toolkit {

bool same_menu_layout(const std::vector<MenuEntry>& shown, const std::vector<MenuEntry>& wanted) {
    return std::equal(shown.begin(), shown.end(), wanted.begin(), wanted.end(),
                      [](const MenuEntry& a, const MenuEntry& b) {
                          return a.kind == b.kind && a.id == b.id && a.text == b.text &&
                                 same_menu_layout(a.children, b.children);
                      });
}

int create_menu(int menu, WindowHandle window) {
    const int number = int(window) - 1;
    WindowRecord* record = detail::window_record(number);
    if (!record) return 0;
    if (!detail::add_menu(menu, {.number = menu, .popup = false, .window = number})) return 0;
    record->menu_bar = menu;
    detail::note_change(menu);
    return 1;
}

int create_popup_menu(int menu) {
    return detail::add_menu(menu, {.number = menu, .popup = true});
}

void add_menu_title(const std::string& text) {
    detail::MenuBuilder& builder = detail::menu_tables().builder;
    builder.current.clear();
    const long index = detail::append({.kind = MenuEntry::Kind::submenu, .text = text});
    if (index >= 0) builder.current = {size_t(index)};
}

void add_menu_item(int id, const std::string& text) {
    detail::append({.kind = MenuEntry::Kind::item, .id = id, .text = text});
}

void add_menu_separator() {
    detail::append({.kind = MenuEntry::Kind::separator});
}

void open_submenu(const std::string& text) {
    const long index = detail::append({.kind = MenuEntry::Kind::submenu, .text = text});
    if (index < 0) return;
    detail::MenuBuilder& builder = detail::menu_tables().builder;
    builder.stack.emplace_back(builder.menu, builder.current);
    builder.current.push_back(size_t(index));
}

void close_submenu() {
    detail::MenuBuilder& builder = detail::menu_tables().builder;
    if (builder.stack.empty()) return;
    std::tie(builder.menu, builder.current) = builder.stack.back();
    builder.stack.pop_back();
}

void set_menu_item_checked(int menu, int id, int checked) {
    if (MenuEntry* item = detail::find_item(menu, id)) {
        item->checked = checked != 0;
        detail::note_change(menu);
    }
}

int get_menu_item_checked(int menu, int id) {
    const MenuEntry* item = detail::find_item(menu, id);
    return item && item->checked ? 1 : 0;
}

void set_menu_item_enabled(int menu, int id, int enabled) {
    if (MenuEntry* item = detail::find_item(menu, id)) {
        item->enabled = enabled != 0;
        detail::note_change(menu);
    }
}

int get_menu_item_enabled(int menu, int id) {
    const MenuEntry* item = detail::find_item(menu, id);
    return item && item->enabled ? 1 : 0;
}

int menu_exists(int menu) {
    return detail::find_record(menu) ? 1 : 0;
}

void show_popup_menu(int menu, WindowHandle window) {
    const MenuRecord* record = detail::find_record(menu);
    const int number = int(window) - 1;
    if (!record || !detail::window_record(number)) return;
    detail::show_changed_menus();
    detail::end_captures(-1); // the popup takes the mouse
    const int id = detail::binding().popup_menu(*record, number);
    if (id >= 0) menu_item_chosen(number, id);
}

void add_keyboard_shortcut(int window, int shortcut, int id) {
    if (!detail::window_record(window)) return;
    const int modifiers = shortcut & (shortcut_shift | shortcut_control | shortcut_alt);
    detail::menu_tables().shortcuts[window][{shortcut & 0xFFFF, modifiers}] = id;
}

void enable_gadget_drop(int gadget, int format, int actions) {
    GadgetRecord* record = detail::gadget_record(gadget);
    if (!record || format != drop_files || (actions & drop_copy) == 0) return;
    record->accepts_files = true;
    detail::binding().drop_enabled(*record);
}

void menu_item_chosen(int window, int id) {
    if (!detail::window_record(window)) return;
    detail::queue_event({.kind = menu_event, .window = window, .object = id});
}

bool shortcut_key(int window, int virtual_key, int modifiers) {
    if (window != detail::tables().active || !detail::window_record(window)) return false;
    const int held = detail::shortcut_modifiers(modifiers);
    if (virtual_key == vk_tab && (held == 0 || held == shortcut_shift)) {
        detail::move_focus_in_window(window, held == shortcut_shift);
        return true;
    }
    const auto& shortcuts = detail::menu_tables().shortcuts;
    auto table = shortcuts.find(window);
    if (table == shortcuts.end()) return false;
    auto entry = table->second.find({virtual_key, held});
    if (entry == table->second.end()) return false;
    menu_item_chosen(window, entry->second);
    return true;
}

bool gadget_accepts_files(int gadget) {
    const GadgetRecord* record = detail::gadget_record(gadget);
    return record && record->accepts_files;
}

void files_dropped(int gadget, const std::vector<std::string>& names) {
    const GadgetRecord* record = detail::gadget_record(gadget);
    if (!record || !record->accepts_files || names.empty()) return;
    std::string joined;
    for (const std::string& name : names) {
        if (!joined.empty()) joined += '\n';
        joined += name;
    }
    detail::queue_event({.kind = files_dropped_event,
                         .window = record->window,
                         .object = gadget,
                         .has_files = true,
                         .dropped_files = std::move(joined)});
}

} // namespace toolkit
