// Raw font files: glyph rows with no header, a byte a row, placed from a chosen code on.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "model/charset.h"

// A file of exactly this size is taken to be 96 glyphs that start at the space character.
constexpr int64_t zxFontBytes = 768;
constexpr int zxFontFirstCode = 32;

// The rows of each glyph when a file of the size holds 256 glyphs of other than 8 rows, 0 when
// not; sizes raw fonts of 8 x 8 glyphs have (768, 1024) say nothing of their height.
int rawFontHeight(int64_t size);

// Writes as much of the file as fits from glyph firstCode to the end of the charset; bytes past
// the file's end keep their contents. Returns how many bytes were placed.
size_t placeFont(Charset& charset, int firstCode, std::span<const uint8_t> file);

// The file of `glyphs` glyphs from glyph firstCode on, at the set's height; nothing when they
// would run past glyph 255.
std::optional<std::vector<uint8_t>> encodeFont(const Charset& charset, int firstCode, int glyphs);
