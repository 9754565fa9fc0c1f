// The commands that change glyphs, the range, the drag mode and the colours.
#pragma once

#include "app/app_state.h"
#include "files/builtin_charsets.h"

// Transforms the current char, or every glyph of the range when the range box is ticked.
void transformGlyphs(AppState& state, int mode);
void eraseCharset(AppState& state);
// A blank glyph at the current char, the glyphs above moving up; and the opposite.
void insertGlyphAtCursor(AppState& state);
void deleteGlyphAtCursor(AppState& state);
void setRangeBegin(AppState& state);
void setRangeEnd(AppState& state);
// Copies the range of glyphs to the current char on; "Range Error!" when it lies inside.
void copyRangeToCurrent(AppState& state);
void setDragMode(AppState& state, DragMode mode);
// Asks for a colour; cancelling changes nothing.
void chooseBitColor(AppState& state, bool forInk);
// A built-in set with its machine's colours.
void loadCharset(AppState& state, BuiltinCharset which);
