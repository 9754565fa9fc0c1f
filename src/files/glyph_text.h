// Glyphs as text, the way font makers write them in programs and on forums: numbers (0x3C,
// $3C, &H3C, 3Ch, %00111100, 0b00111100 or 60), one a row of a glyph, or rows of # and . drawing
// them.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// One glyph of `height` rows a line: "0x3C,0x66,0x6E,0x6E,0x60,0x62,0x3C,0x00".
std::string encodeGlyphText(std::span<const uint8_t> glyphs, int height = 8);

struct GlyphTextReading {
    std::vector<uint8_t> glyphs; // whole glyphs, `height` bytes each
    int leftOver = 0;            // numbers or rows after the last whole glyph
    std::string problem;         // why the text holds no glyph, when it holds none
};

// Reads either form, in time linear in the text's length. Comments ("//", "/* */", ";") and
// quoted strings hold no glyph. A text with data directives (".byte", "!byte", "!by", "byte",
// "defb", "db", ".db", "dc.b" or BASIC's DATA, in any case, as a line's statement after an
// optional line number or label) gives only the numbers after them: origins, labels, equates
// and REM lines are passed over. Any other text gives all its numbers but the sizes in "[...]"
// and those of "#define" lines, and is a hex dump ("3C 66 6E") when each is one or two hex
// digits and some have letters. Numbers are decimal unless marked hex or binary; one that is
// negative or above 255 makes the problem, whatever its length.
// The glyphs are of `height` rows.
GlyphTextReading decodeGlyphText(std::string_view text, int height = 8);
