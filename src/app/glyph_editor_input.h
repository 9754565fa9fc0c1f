// Painting the current glyph with the mouse on the glyph editor.
#pragma once

#include "app/event.h"
#include "app/windows_state.h"
#include "model/editor.h"

// The left button paints the cell under the mouse, the right button erases it; every other
// sub-event is ignored.
void handleGlyphEditorEvent(Editor& editor, const Event& event);
