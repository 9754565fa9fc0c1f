// Painting the current glyph with the mouse on the glyph editor.
#pragma once

#include "app/app_state.h"

// Handles the current gadget event of the glyph editor: the left button paints the cell under
// the mouse, the right button erases it; every other sub-event is ignored.
void handleGlyphEditorEvent(AppState& state);
