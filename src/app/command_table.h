// The menu commands, each declared once: its id, its label, its shortcut and what it does. The
// menu bar, the popup menus, the shortcuts and the dispatch are all built from this table.
#pragma once

#include <array>
#include <span>

#include "app/app_state.h"
#include "app/menu_ids.h"

// What a command has at hand while it runs: the program's state, the window whose menu or
// shortcut chose it, and what follows the refresh. It lives for one event; the command says in
// it whether the program goes on.
struct CommandContext {
    AppState& state;
    int window = mainWindow;
    FollowUp& followUp;
    bool goOn = true; // false after "Quit": the loop ends with this event
};

struct Command {
    MenuId id;
    const char* label; // "Open...\tCtrl+O": after the tab, the shortcut's label
    void (*run)(CommandContext& context);
    std::array<int, 2> shortcuts{}; // keys as add_keyboard_shortcut takes them; 0 for none
    bool everyWindow = false;       // the shortcuts work in the other windows too
};

std::span<const Command> commandTable();
// nullptr for an id without a command.
const Command* findCommand(int id);

// Runs the command of the id, chosen in the window; an id without one does nothing. Every menu
// event first clears atariCodes, so the flag lasts only from "Atari XL" to the next menu event.
// False when the program is to end.
bool runMenuCommand(AppState& state, int id, int window, FollowUp& followUp);
// The same for a command run without its menu event (the shift buttons).
void runCommand(AppState& state, int id, FollowUp& followUp);
