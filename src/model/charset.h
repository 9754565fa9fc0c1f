// The character set: 256 glyphs of 8 pixels a row and 1 to 32 rows, one byte a row from the top,
// bit 7 the leftmost pixel. The machines' glyphs, and every set's at start, are 8 rows tall.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

constexpr int glyphCount = 256;
constexpr int machineGlyphHeight = 8;
constexpr int minGlyphHeight = 1;
constexpr int maxGlyphHeight = 32;
constexpr int machineCharsetBytes = glyphCount * machineGlyphHeight;

constexpr size_t charsetBytes(int height) {
    return size_t(glyphCount) * size_t(height);
}
constexpr bool isGlyphHeight(int height) {
    return minGlyphHeight <= height && height <= maxGlyphHeight;
}

// The glyphs lie one after another, `height` bytes each, as a raw font file holds them; the
// bytes past the last glyph stay 0, so that two sets of the same glyphs compare equal. As a
// range the set is its glyphs' bytes.
struct Charset {
    std::array<uint8_t, size_t(glyphCount) * maxGlyphHeight> bytes{};
    uint8_t height = machineGlyphHeight;

    size_t size() const { return charsetBytes(height); }
    uint8_t* data() { return bytes.data(); }
    const uint8_t* data() const { return bytes.data(); }
    uint8_t* begin() { return bytes.data(); }
    const uint8_t* begin() const { return bytes.data(); }
    uint8_t* end() { return bytes.data() + size(); }
    const uint8_t* end() const { return bytes.data() + size(); }
    uint8_t& operator[](size_t i) { return bytes[i]; }
    uint8_t operator[](size_t i) const { return bytes[i]; }
    bool operator==(const Charset&) const = default;
};

using Glyph = std::span<uint8_t>;
using GlyphRows = std::span<const uint8_t>;

// The glyph of a code; only its low 8 bits count.
inline Glyph glyphOf(Charset& charset, int code) {
    return Glyph(charset.bytes.data() + size_t(charset.height) * size_t(code & 0xFF),
                 charset.height);
}
inline GlyphRows glyphOf(const Charset& charset, int code) {
    return GlyphRows(charset.bytes.data() + size_t(charset.height) * size_t(code & 0xFF),
                     charset.height);
}

// Every glyph's rows, as a raw font file holds them.
inline std::span<uint8_t> allGlyphs(Charset& charset) {
    return {charset.begin(), charset.end()};
}
inline std::span<const uint8_t> allGlyphs(const Charset& charset) {
    return {charset.begin(), charset.end()};
}
// The glyphs first..last.
inline std::span<const uint8_t> glyphsOf(const Charset& charset, int first, int last) {
    return allGlyphs(charset).subspan(size_t(first) * charset.height,
                                      size_t(last - first + 1) * charset.height);
}
