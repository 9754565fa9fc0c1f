// Edits that move, copy or erase whole glyphs of the charset. None of them redraws.
#pragma once

#include "model/document.h"

void eraseCharset(Charset& charset);

// Whether glyphs of `height` rows would lose set pixels of the rows below.
bool heightCutsPixels(const Charset& charset, int height);
// Every glyph gets `height` rows: blank ones at the bottom, or its bottom rows cut.
void setGlyphHeight(Charset& charset, int height);

// A blank glyph at code; the glyphs code..254 move one code up and glyph 255 is lost.
void insertGlyph(Charset& charset, int code);

// Removes the glyph at code; the glyphs above move one code down and glyph 255 becomes blank.
void deleteGlyph(Charset& charset, int code);

// Swap exchanges the two glyphs; copy writes the source glyph over the target.
void dropGlyph(Charset& charset, int source, int target, DragMode mode);

// A range is not copied onto itself: refused when currentChar lies inside it.
constexpr bool rangeCopyRefused(int rangeLow, int rangeHigh, int currentChar) {
    return rangeLow <= currentChar && currentChar <= rangeHigh;
}

// Copies the glyphs rangeLow..rangeHigh (rangeLow <= rangeHigh) to currentChar onwards, stopping
// after code 255. Returns false, changing nothing, when the copy is refused.
bool copyRangeToCurrent(Charset& charset, int rangeLow, int rangeHigh, int currentChar);
