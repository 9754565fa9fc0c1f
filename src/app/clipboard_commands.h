// Cut, copy and paste of glyphs through the desktop's clipboard.
#pragma once

#include <cstddef>

#include "app/windows_state.h"
#include "files/picture.h"
#include "model/editor.h"
#include "toolkit/drawing.h"

// Past 1 MiB, clipboard text is neither glyphs nor a screen: Paste refuses it with this reason.
constexpr size_t largestClipboardText = size_t(1) << 20;
constexpr const char* clipboardTextTooLarge =
    "The text on the clipboard is larger than 1 MiB: gridlet reads no more text than that.";

// A picture as the clipboard takes it.
toolkit::PixelBuffer pixelBuffer(const Picture& picture);

// The current glyph, or the range when the range box is ticked, as a picture (8 x 8 pixels a
// glyph, side by side), as text (one glyph a line) and as gridlet's own form (the bytes).
void copyGlyphs(const Editor& editor);
// Copies, then clears the glyphs copied.
void cutGlyphs(Editor& editor);
// Writes the glyphs the clipboard holds from the current char on, up to glyph 255: from
// gridlet's own form, else from text, else from a picture. Says why when there are none, and
// what was left out after the refresh.
void pasteGlyphs(Editor& editor, FollowUp& followUp);
