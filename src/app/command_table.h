// The menu commands, each declared once: its id, its label, its shortcut and what it does. The
// menu bar, the popup menus, the shortcuts and the dispatch are all built from this table.
#pragma once

#include <array>
#include <span>

#include "app/app_state.h"
#include "app/menu_ids.h"

struct Command {
    MenuId id;
    const char* label; // "Open...\tCtrl+O": after the tab, the shortcut's label
    void (*run)(AppState& state);
    std::array<int, 2> shortcuts{}; // keys as add_keyboard_shortcut takes them; 0 for none
    bool everyWindow = false;       // the shortcuts work in the other windows too
};

std::span<const Command> commandTable();
// nullptr for an id without a command.
const Command* findCommand(int id);

// Runs the command of the id; an id without one does nothing. Every menu event first clears
// atariCodes, so the flag lasts only from "Atari XL" to the next menu event.
void runMenuCommand(AppState& state, int id);
