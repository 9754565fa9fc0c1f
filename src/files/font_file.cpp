#include "files/font_file.h"

#include <algorithm>

size_t placeFont(Charset& charset, int firstCode, std::span<const uint8_t> file) {
    const size_t start = size_t(glyphBytes) * size_t(firstCode & 0xFF);
    const size_t count = std::min(file.size(), charset.size() - start);
    std::copy_n(file.begin(), count, charset.begin() + ptrdiff_t(start));
    return count;
}

std::optional<std::vector<uint8_t>> encodeFont(const Charset& charset, int firstCode, int length) {
    const int start = glyphBytes * (firstCode & 0xFF);
    if (length < 0 || start + length > charsetBytes) return std::nullopt;
    return std::vector<uint8_t>(charset.begin() + start, charset.begin() + start + length);
}
