#include "files/font_file.h"

#include <algorithm>

size_t placeFont(Charset& charset, int firstCode, std::span<const uint8_t> file) {
    const size_t start = size_t(charset.height) * size_t(firstCode & 0xFF);
    const size_t count = std::min(file.size(), charsetBytes(charset.height) - start);
    std::copy_n(file.begin(), count, charset.bytes.begin() + ptrdiff_t(start));
    return count;
}

std::optional<std::vector<uint8_t>> encodeFont(const Charset& charset, int firstCode, int length) {
    const int start = charset.height * (firstCode & 0xFF);
    if (length < 0 || size_t(start + length) > charsetBytes(charset.height)) return std::nullopt;
    return std::vector<uint8_t>(charset.bytes.begin() + start,
                                charset.bytes.begin() + start + length);
}
