// The one refresh. After each event the loop calls it; it compares the state with what each view
// last showed and redraws only the difference: the glyphs and cells the editor recorded as
// changed, the cursors, the feedback, the colours and the texts, with the same pixels a full
// redraw gives. Handlers change the state and nothing else, so no redraw can be forgotten. The
// canvases show anew only the areas drawn.
#pragma once

#include "app/app_state.h"

void refresh(AppState& state);
