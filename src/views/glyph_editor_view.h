// The glyph editor: the current glyph enlarged sixteen times, and its row bytes as text.
#pragma once

#include "app/state/app_state.h"

// Redraws the glyph editor and the data field, then the map, which shows the same glyphs.
void drawGlyphEditor(const AppState& state);
