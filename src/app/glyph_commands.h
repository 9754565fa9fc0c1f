// The commands that change glyphs, the range, the drag mode and the colours.
#pragma once

#include "app/windows_state.h"
#include "files/builtin_charsets.h"
#include "model/editor.h"

// Transforms the current char, or every glyph of the range when the range box is ticked.
void transformGlyphs(Editor& editor, WindowsState& windows, int mode);
void eraseCharset(Editor& editor, WindowsState& windows);
// A blank glyph at the current char, the glyphs above moving up; and the opposite.
void insertGlyphAtCursor(Editor& editor, WindowsState& windows);
void deleteGlyphAtCursor(Editor& editor, WindowsState& windows);
void setRangeBegin(Editor& editor, WindowsState& windows);
void setRangeEnd(Editor& editor, WindowsState& windows);
// Copies the range of glyphs to the current char on; "Range Error!" when it lies inside.
void copyRangeToCurrent(Editor& editor, WindowsState& windows);
// Asks for a colour; cancelling changes nothing.
void chooseBitColor(Editor& editor, WindowsState& windows, bool forInk);
// A built-in set with its machine's colours.
void loadCharset(Editor& editor, WindowsState& windows, BuiltinCharset which);
