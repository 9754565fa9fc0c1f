// Menus, keyboard shortcuts and file drops. All three end as events in the queue.
#pragma once

#include <string>

#include "toolkit/windows.h"

namespace toolkit {

// add_keyboard_shortcut: the virtual-key code plus these modifier values.
enum ShortcutModifiers : int {
    shortcut_shift = 0x10000,
    shortcut_control = 0x20000,
    shortcut_alt = 0x40000,
};

// Drop registration: the one format and action the program uses.
enum DropFormat : int { drop_files = 15 };
enum DropAction : int { drop_copy = 1 };

int create_menu(int menu, WindowHandle window);
int create_popup_menu(int menu);
void add_menu_title(const std::string& text);
void add_menu_item(int id, const std::string& text);
void add_menu_separator();
void open_submenu(const std::string& text);
void close_submenu();
void set_menu_item_checked(int menu, int id, int checked);
int get_menu_item_checked(int menu, int id);
// A disabled item is greyed out and cannot be chosen from the menu; items start enabled.
void set_menu_item_enabled(int menu, int id, int enabled);
int get_menu_item_enabled(int menu, int id);
int menu_exists(int menu);
// Shows the popup at the pointer and returns when it closes; a chosen item's menu event is
// then waiting in the queue, in the given window.
void show_popup_menu(int menu, WindowHandle window);
void add_keyboard_shortcut(int window, int shortcut, int id);
void enable_gadget_drop(int gadget, int format, int actions);
// The dropped file names of the current event, joined by line feeds; "" for other events.
std::string event_dropped_files();

} // namespace toolkit
