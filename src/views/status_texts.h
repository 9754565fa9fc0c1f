// The texts that describe the current char, the range and the map cell under the mouse.
#pragma once

#include <string>

#include "app/state/app_state.h"

// Moves the current char by (dx, dy) cells with wrap-around, redraws both views and rewrites
// the status title.
void moveCursor(AppState& state, int dx, int dy);
// The labels above the two range trackbars.
void updateRangeLabels();

// "65($41)'A'": the code in decimal, in hexadecimal and, where it has one, as a character.
std::string describeCode(int code, bool atariCodes);
// "Character map (3,5):65[41]".
std::string mapHoverTitle(int column, int row, int code);
