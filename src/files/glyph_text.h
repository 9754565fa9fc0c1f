// Glyphs as text, the way font makers write them in programs and on forums: numbers (0x3C,
// $3C, &H3C, 3Ch, %00111100, 0b00111100 or 60), eight a glyph, or rows of # and . drawing them.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// One glyph a line: "0x3C,0x66,0x6E,0x6E,0x60,0x62,0x3C,0x00".
std::string encodeGlyphText(std::span<const uint8_t> glyphs);

struct GlyphTextReading {
    std::vector<uint8_t> glyphs; // whole glyphs, 8 bytes each
    int leftOver = 0;            // numbers or rows after the last whole glyph
    std::string problem;         // why the text holds no glyph, when it holds none
};

// Reads either form. Numbers are taken in order, skipping words around them (".byte", "DB",
// "DATA", C declarations) and comments ("//", "/* */", ";"), the sizes in "[...]" and BASIC
// line numbers. A text of two-digit values with some of A-F among them is a hex dump.
GlyphTextReading decodeGlyphText(std::string_view text);
