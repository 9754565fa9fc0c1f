// The current char and the cursor that marks it in the charset view.
#pragma once

#include "app/windows_state.h"
#include "model/editor.h"

// Moves the current char by (dx, dy) cells of the table with wrap-around; the views and the
// title follow.
void moveCursor(Editor& editor, WindowsState& windows, int dx, int dy);

// Makes the glyph of the charset view's cell the current char; a cell just beyond the table
// wraps into it.
void selectCell(Editor& editor, WindowsState& windows, Cell cell);
