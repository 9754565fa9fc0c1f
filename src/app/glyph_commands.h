// The commands that change glyphs, the range, the drag mode and the colours.
#pragma once

#include "app/windows_state.h"
#include "files/builtin_charsets.h"
#include "model/editor.h"

// Transforms the current char, or every glyph of the range when the range box is ticked.
void transformGlyphs(Editor& editor, int mode);
void eraseCharset(Editor& editor);
// A blank glyph at the current char, the glyphs above moving up; and the opposite.
void insertGlyphAtCursor(Editor& editor);
void deleteGlyphAtCursor(Editor& editor);
void setRangeBegin(Editor& editor);
void setRangeEnd(Editor& editor);
// Copies the range of glyphs to the current char on; "Range Error!" when it lies inside.
void copyRangeToCurrent(Editor& editor);
// Asks for a colour; cancelling changes nothing.
void chooseBitColor(Editor& editor, bool forInk);
// The heights the Char menu offers, in its order; "Other..." offers every one.
constexpr int commonGlyphHeights[] = {8, 14, 16};
// Gives every glyph the height: blank rows at the bottom, or the bottom rows cut after a question
// when they hold pixels. Refused, with a message, in the machines' colour modes, whose glyphs are
// 8 x 8.
void chooseGlyphHeight(Editor& editor, int height);
// Asks for any height of 1 to 32 rows.
void chooseOtherGlyphHeight(Editor& editor);
// A built-in set with its machine's colours.
void loadCharset(Editor& editor, WindowsState& windows, BuiltinCharset which);
