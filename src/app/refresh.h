// The one refresh. Handlers change the state and ask for what the change needs redrawn; after
// each event the loop calls refresh, which redraws each view asked for once, and of it only
// what the editor recorded as changed since it was last drawn, with the same pixels a full
// redraw gives. The canvases show anew only the areas drawn.
#pragma once

#include "app/app_state.h"

// Asks the next refresh for views (Redraw bits). Asking for a view ends the feedback drawn over
// it: the hover outline, the dragged glyph.
void requestRedraw(WindowsState& windows, unsigned views);

// After glyphs or colours change: every view that shows glyphs (the map follows the editor).
constexpr unsigned redrawGlyphViews = redrawCharsetView | redrawGlyphEditor;

void refresh(AppState& state);
