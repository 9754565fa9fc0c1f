// Edit > Undo and Redo: the editor's history, shown.
#pragma once

#include "app/windows_state.h"
#include "model/editor.h"

// The current char moves to the glyph a step changed, when it changed one glyph.
void undo(Editor& editor, WindowsState& windows);
void redo(Editor& editor, WindowsState& windows);
