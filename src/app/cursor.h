// The current char and the cursor that marks it in the charset view.
#pragma once

#include "app/app_state.h"

// Moves the current char by (dx, dy) cells with wrap-around; the views and the title follow.
void moveCursor(AppState& state, int dx, int dy);

// Makes the glyph of the charset view's cell the current char; a cell just beyond the table
// wraps into it.
void selectCell(AppState& state, Cell cell);
