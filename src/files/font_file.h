// Raw font files: glyph rows with no header, 8 bytes a glyph, placed from a chosen code on.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "model/charset.h"

// A file of exactly this size is taken to be 96 glyphs that start at the space character.
constexpr int64_t zxFontBytes = 768;
constexpr int zxFontFirstCode = 32;

// Writes as much of the file as fits from glyph firstCode to the end of the charset; bytes past
// the file's end keep their contents. Returns how many bytes were placed.
size_t placeFont(Charset& charset, int firstCode, std::span<const uint8_t> file);

// The file of length bytes from glyph firstCode on; nothing when it would run past glyph 255.
std::optional<std::vector<uint8_t>> encodeFont(const Charset& charset, int firstCode, int length);
