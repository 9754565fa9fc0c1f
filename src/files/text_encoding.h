// Which character a code of the set stands for, and which code a typed character takes: as the
// machine or the file the glyphs came from defines them.
#pragma once

#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "files/builtin_charsets.h"
#include "files/font_reading.h"

struct TextEncoding {
    // The character each code shows, for text copied from the map; 0 where it stands for none.
    std::array<char32_t, 256> characters{};
    // Every character that types a code, sorted by character and then code: a console font's
    // Unicode table may give one glyph several, and a machine's inverse copies share theirs.
    std::vector<std::pair<char32_t, uint8_t>> codes;
};

// ASCII and Latin-1: the code is the character, for 32..126 and 160..255.
TextEncoding latinEncoding();
// The built-in set's own layout over the codes it loads; the others keep theirs.
void placeBuiltinEncoding(TextEncoding& encoding, BuiltinCharset which);
// A font placed from `first` on: its console font's Unicode table where it has one, else ASCII
// and Latin-1 (a BDF font's glyphs sit at their own codes already).
TextEncoding fontEncoding(const FontReading& reading, int first);

// The lowest code typing the character; a small letter the set lacks types its capital.
std::optional<uint8_t> codeOfCharacter(const TextEncoding& encoding, char32_t character);
