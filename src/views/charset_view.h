// The charset view: all 256 glyphs at twice their size in image 0, shown on the canvas with
// the checkered cursor over the current char.
#pragma once

#include "app/state/app_state.h"

// Redraws image 0 from the charset, then copies it onto the charset view with the cursor.
void drawCharsetView(const AppState& state);

// The cursor checkerboard over the cursor cell, on the drawing pass that is open.
void drawCursorPattern(const AppState& state);

// The redraw after every change of glyph data: the charset view, then the glyph editor (which
// ends with the map).
void refreshCharset(const AppState& state);
