// The character set: 256 glyphs of 8 bytes, one byte per pixel row from the top, bit 7 the
// leftmost pixel.
#pragma once

#include <array>
#include <cstdint>
#include <span>

constexpr int glyphCount = 256;
constexpr int glyphBytes = 8;
constexpr int charsetBytes = glyphCount * glyphBytes;

using Charset = std::array<uint8_t, charsetBytes>;
using Glyph = std::span<uint8_t, glyphBytes>;
using GlyphRows = std::span<const uint8_t, glyphBytes>;

// The glyph of a code; only its low 8 bits count.
inline Glyph glyphOf(Charset& charset, int code) {
    return Glyph(charset.data() + glyphBytes * (code & 0xFF), glyphBytes);
}
inline GlyphRows glyphOf(const Charset& charset, int code) {
    return GlyphRows(charset.data() + glyphBytes * (code & 0xFF), glyphBytes);
}
