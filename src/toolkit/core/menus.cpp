// Menus as data, keyboard shortcut tables and drop registrations.
#include "toolkit/menus.h"

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

#include "toolkit/core/detail.h"
#include "toolkit/core/event_queue.h"
#include "toolkit/core/object_tables.h"

namespace toolkit::detail {
namespace {

using Path = std::vector<size_t>; // indices from a menu's top entries down to a container

struct Builder {
    int menu = -1; // the menu being built
    Path current;  // its current container
    std::vector<std::pair<int, Path>> stack;
};

std::map<int, MenuRecord> menus;
std::set<int> changed_bars;
Builder builder;
// Per window: (virtual key, modifier bits) -> menu item id.
std::map<int, std::map<std::pair<int, int>, int>> shortcuts;

std::vector<MenuEntry>* container(int menu, const Path& path) {
    auto found = menus.find(menu);
    if (found == menus.end()) return nullptr;
    std::vector<MenuEntry>* entries = &found->second.entries;
    for (size_t index : path) {
        if (index >= entries->size()) return nullptr;
        entries = &(*entries)[index].children;
    }
    return entries;
}

void note_change(int menu) {
    auto found = menus.find(menu);
    if (found != menus.end() && !found->second.popup) changed_bars.insert(menu);
}

// Appends to the current container; the index of the new entry, or -1.
long append(MenuEntry entry) {
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

int add_menu(int menu, MenuRecord record) {
    if (menu < 0) return 0;
    if (menus.count(menu)) {
        menus.erase(menu);
        binding().destroy_menu(menu);
    }
    menus[menu] = std::move(record);
    builder = Builder{.menu = menu, .current = {}, .stack = builder.stack};
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

void show_changed_menus() {
    for (int menu : changed_bars) {
        auto found = menus.find(menu);
        if (found != menus.end()) binding().menu_changed(found->second);
    }
    changed_bars.clear();
}

void destroy_menus_of_window(int window) {
    for (auto it = menus.begin(); it != menus.end();) {
        if (!it->second.popup && it->second.window == window) {
            binding().destroy_menu(it->first);
            it = menus.erase(it);
        } else {
            ++it;
        }
    }
    shortcuts.erase(window);
}

void destroy_all_menus() {
    for (const auto& [number, record] : menus) binding().destroy_menu(number);
    menus.clear();
    changed_bars.clear();
    shortcuts.clear();
    builder = Builder{};
}

} // namespace toolkit::detail

namespace toolkit {

bool same_menu_layout(const std::vector<MenuEntry>& shown, const std::vector<MenuEntry>& wanted) {
    return std::equal(shown.begin(), shown.end(), wanted.begin(), wanted.end(),
                      [](const MenuEntry& a, const MenuEntry& b) {
                          return a.kind == b.kind && a.id == b.id && a.text == b.text &&
                                 same_menu_layout(a.children, b.children);
                      });
}

using detail::menus;

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
    detail::builder.current.clear();
    const long index = detail::append({.kind = MenuEntry::Kind::submenu, .text = text});
    if (index >= 0) detail::builder.current = {size_t(index)};
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
    detail::builder.stack.emplace_back(detail::builder.menu, detail::builder.current);
    detail::builder.current.push_back(size_t(index));
}

void close_submenu() {
    if (detail::builder.stack.empty()) return;
    std::tie(detail::builder.menu, detail::builder.current) = detail::builder.stack.back();
    detail::builder.stack.pop_back();
}

void set_menu_item_checked(int menu, int id, int checked) {
    auto found = menus.find(menu);
    if (found == menus.end()) return;
    if (MenuEntry* item = detail::find_item(found->second.entries, id)) {
        item->checked = checked != 0;
        detail::note_change(menu);
    }
}

int get_menu_item_checked(int menu, int id) {
    auto found = menus.find(menu);
    if (found == menus.end()) return 0;
    const MenuEntry* item = detail::find_item(found->second.entries, id);
    return item && item->checked ? 1 : 0;
}

void set_menu_item_enabled(int menu, int id, int enabled) {
    auto found = menus.find(menu);
    if (found == menus.end()) return;
    if (MenuEntry* item = detail::find_item(found->second.entries, id)) {
        item->enabled = enabled != 0;
        detail::note_change(menu);
    }
}

int get_menu_item_enabled(int menu, int id) {
    auto found = menus.find(menu);
    if (found == menus.end()) return 0;
    const MenuEntry* item = detail::find_item(found->second.entries, id);
    return item && item->enabled ? 1 : 0;
}

int menu_exists(int menu) {
    return menus.count(menu) ? 1 : 0;
}

void show_popup_menu(int menu, WindowHandle window) {
    auto found = menus.find(menu);
    const int number = int(window) - 1;
    if (found == menus.end() || !detail::window_record(number)) return;
    detail::show_changed_menus();
    detail::end_captures(-1); // the popup takes the mouse
    const int id = detail::binding().popup_menu(found->second, number);
    if (id >= 0) menu_item_chosen(number, id);
}

void add_keyboard_shortcut(int window, int shortcut, int id) {
    if (!detail::window_record(window)) return;
    const int modifiers = shortcut & (shortcut_shift | shortcut_control | shortcut_alt);
    detail::shortcuts[window][{shortcut & 0xFFFF, modifiers}] = id;
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
    auto table = detail::shortcuts.find(window);
    if (table == detail::shortcuts.end()) return false;
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
