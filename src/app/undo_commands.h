// Undo and redo of every change to the document.
#pragma once

#include "app/app_state.h"

// Makes what changed since the last step one step, unless a painting stroke goes on; the loop
// calls it after every event.
void recordUndoStep(AppState& state);

// The current char moves to the glyph a step changed, when it changed one glyph.
void undo(AppState& state);
void redo(AppState& state);
