// The commands that change glyphs, the range and the colours, as the menus and buttons run them.
#pragma once

#include "app/state/app_state.h"
#include "editing/charset_edits.h"

// Transforms the current char, or every glyph of the range when the range checkbox is ticked,
// then redraws.
void transformGlyphs(AppState& state, int mode);
void eraseCharset(AppState& state);
void setRangeBegin(const AppState& state);
void setRangeEnd(const AppState& state);
// Copies the range of glyphs to the current char on; "Range Error!" when it lies inside.
void copyRangeToCurrent(AppState& state);
// The drag mode lives only in the check marks of its two menu items.
void setDragMode(DragMode mode);
DragMode dragMode();
// Asks for a colour; cancelling changes nothing.
void chooseBitColor(AppState& state, bool forInk);
