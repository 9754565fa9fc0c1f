// What a font file of any format gives the charset: bytes placed from a code on, glyphs by
// codes of their own, or why it could not be read.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "model/charset.h"

struct FontReading {
    bool raw = false; // glyph rows with no header, as the program has always read them
    // Raw files, C64 files and strips of pictures go from the current char on; a console font
    // or a sheet of 16 glyphs a row from its own first code.
    bool atCurrentChar = true;
    int firstCode = 0;
    int height = machineGlyphHeight; // the rows of each glyph, in `bytes` and `coded` alike
    std::vector<uint8_t> bytes;      // `height` a glyph; a raw file may end within a glyph
    // Glyphs that carry their own codes (BDF), of `height` rows.
    std::vector<std::pair<int, std::array<uint8_t, maxGlyphHeight>>> coded;
    // A console font's Unicode table: (glyph from the first, a character it stands for).
    std::vector<std::pair<int, char32_t>> unicode;
    // A BDF font of ISO 10646 or ISO 8859-1: each glyph's code is its character.
    bool codesAreCharacters = false;
    std::string note;    // said after reading: what the file held that was left out
    std::string problem; // why the file was not read; "" when it was

    static FontReading refused(std::string why) {
        FontReading reading;
        reading.problem = std::move(why);
        return reading;
    }
};
