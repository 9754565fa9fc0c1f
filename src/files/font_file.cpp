#include "files/font_file.h"

#include <algorithm>

size_t placeFont(Charset& charset, int firstCode, std::span<const uint8_t> file) {
    const size_t start = size_t(charset.height) * size_t(firstCode & 0xFF);
    const size_t count = std::min(file.size(), charsetBytes(charset.height) - start);
    std::copy_n(file.begin(), count, charset.bytes.begin() + ptrdiff_t(start));
    return count;
}

int rawFontHeight(int64_t size) {
    if (size % glyphCount != 0) return 0;
    const int64_t height = size / glyphCount;
    if (!isGlyphHeight(int(std::min<int64_t>(height, maxGlyphHeight + 1))) ||
        height == machineGlyphHeight || size == zxFontBytes || size == 1024)
        return 0;
    return int(height);
}

std::optional<std::vector<uint8_t>> encodeFont(const Charset& charset, int firstCode, int glyphs) {
    const int first = firstCode & 0xFF;
    if (glyphs < 0 || first + glyphs > glyphCount) return std::nullopt;
    const std::span<const uint8_t> bytes = glyphsOf(charset, first, first + glyphs - 1);
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}
