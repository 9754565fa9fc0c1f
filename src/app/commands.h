// What each menu id, gadget and drop does.
#pragma once

#include <string>

#include "app/state/app_state.h"

// Runs the command of a menu id; false when the command ends the program ("Quit").
bool runMenuCommand(AppState& state, int id);
// The shift buttons, the trackbars and the other gadgets without an input handler of their own.
void runGadgetCommand(AppState& state, int gadget);
// Files dropped on the charset view load as a font, on the map view as a map; of several
// (one name a line) only the first.
void handleDroppedFiles(AppState& state, int gadget, const std::string& names);
