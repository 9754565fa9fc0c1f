#include "files/png_text.h"

#include <algorithm>
#include <array>

namespace {

constexpr size_t signatureBytes = 8;
constexpr size_t headerChunkEnd = signatureBytes + 4 + 4 + 13 + 4; // length, type, data, CRC

uint32_t crcOf(std::span<const uint8_t> bytes) {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> entries{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            entries[n] = c;
        }
        return entries;
    }();
    uint32_t crc = 0xFFFFFFFFu;
    for (const uint8_t byte : bytes) crc = table[(crc ^ byte) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

void putBigEndian(std::span<uint8_t> out, uint32_t value) {
    for (size_t i = 0; i < 4; ++i) out[i] = uint8_t(value >> (24 - 8 * i));
}

uint32_t bigEndian(std::span<const uint8_t> bytes, size_t at) {
    return uint32_t(bytes[at]) << 24 | uint32_t(bytes[at + 1]) << 16 |
           uint32_t(bytes[at + 2]) << 8 | uint32_t(bytes[at + 3]);
}

} // namespace

std::vector<uint8_t> withPngText(std::vector<uint8_t> png, std::string_view keyword,
                                 std::string_view text) {
    if (png.size() < headerChunkEnd) return png;
    // Its length, type, keyword, a zero, the text, and the check of all but the length.
    const size_t dataBytes = keyword.size() + 1 + text.size();
    std::vector<uint8_t> chunk(4 + 4 + dataBytes + 4, 0);
    putBigEndian(chunk, uint32_t(dataBytes));
    const std::string_view type = "tEXt";
    std::copy(type.begin(), type.end(), chunk.begin() + 4);
    std::copy(keyword.begin(), keyword.end(), chunk.begin() + 8);
    std::copy(text.begin(), text.end(), chunk.begin() + 8 + ptrdiff_t(keyword.size()) + 1);
    putBigEndian(std::span(chunk).last(4), crcOf(std::span(chunk).subspan(4, 4 + dataBytes)));
    png.insert(png.begin() + ptrdiff_t(headerChunkEnd), chunk.begin(), chunk.end());
    return png;
}

std::string pngText(std::span<const uint8_t> png, std::string_view keyword) {
    for (size_t at = signatureBytes; at + 12 <= png.size();) {
        const uint64_t length = bigEndian(png, at);
        if (length > png.size() - at - 12) return "";
        const std::span<const uint8_t> typeAndData = png.subspan(at + 4, size_t(length) + 4);
        const std::string_view type(reinterpret_cast<const char*>(typeAndData.data()), 4);
        if (type == "IDAT" || type == "IEND") return ""; // gridlet writes its text before these
        const std::string_view data(reinterpret_cast<const char*>(typeAndData.data()) + 4,
                                    size_t(length));
        if (type == "tEXt" && data.size() > keyword.size() && data.starts_with(keyword) &&
            data[keyword.size()] == '\0' &&
            bigEndian(png, at + 8 + size_t(length)) == crcOf(typeAndData))
            return std::string(data.substr(keyword.size() + 1));
        at += 12 + size_t(length);
    }
    return "";
}
