// Which character each code of the set stands for, and which code a typed character takes: part
// of the document, since it belongs to the glyphs as the machine or the file they came from
// defines them. Fixed in size, so that the document stays one value that copies without the heap.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "model/charset.h"

// A character that types a code beside the one the code shows: a console font's Unicode table
// may give a glyph several, and "^" types the Spectrum's arrow.
struct ExtraCharacter {
    char32_t character = 0;
    uint32_t code = 0;
    bool operator==(const ExtraCharacter&) const = default;
};

// More than any of Debian's console fonts gives its first 256 glyphs (at most 629 in all).
constexpr size_t extraCharacterLimit = 1024;

struct TextEncoding {
    // The character each code shows; 0 where it stands for none.
    std::array<char32_t, glyphCount> characters{};
    // The further characters, in the order their font gave them.
    std::array<ExtraCharacter, extraCharacterLimit> extra{};
    uint16_t extraCount = 0;
    // 1 when a machine or the font named the characters; 0 when ASCII and Latin-1 are only
    // assumed for a font that says nothing of them.
    uint8_t own = 0;
    uint8_t unused = 0; // no padding: undo steps keep the changed bytes of the whole value

    bool operator==(const TextEncoding&) const = default;
};

// ASCII and Latin-1: the code is the character, for 32..126 and 160..255. What a set of no known
// machine or font is taken to be.
TextEncoding latinEncoding();

// The lowest code typing the character; a small letter the set lacks types its capital.
std::optional<uint8_t> codeOfCharacter(const TextEncoding& encoding, char32_t character);
// Every character of the code, the one it shows first; empty when it stands for none.
std::u32string charactersOfCode(const TextEncoding& encoding, int code);

// The codes from `first` to `last` stand for nothing until placed anew.
void clearCodes(TextEncoding& encoding, int first, int last);
// One more character typing the code; false when the encoding holds no more.
bool addExtraCharacter(TextEncoding& encoding, char32_t character, int code);
