// The texts that describe the current char, the range, the map cell under the mouse and the
// current glyph's row bytes.
#pragma once

#include <string>
#include <string_view>

#include "model/charset.h"

// "65($41)'A'": the code in decimal, in hexadecimal and, where it has one, as a character.
std::string describeCode(int code, bool atariCodes);
// The main window's title: the program's title and the current char described. Written into
// `title`, whose buffer is reused, so that moving the cursor allocates nothing.
void writeStatusTitle(std::string& title, std::string_view baseTitle, int code, bool atariCodes);
// "Character map (3,5):65[41]".
std::string mapHoverTitle(int column, int row, int code);
// "BeginRange:65:A" and "End range:65:A": the value and, from the space on, its character.
std::string beginRangeText(int value);
std::string endRangeText(int value);
// "60,102,110,110,96,98,60,0": the glyph's rows in decimal; of a glyph taller than 8 rows, four a
// line. Written into `text` as above.
void writeDataFieldText(std::string& text, GlyphRows glyph);
