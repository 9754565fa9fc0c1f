#include "files/c64_font.h"

#include <algorithm>

FontReading decodeC64Font(std::span<const uint8_t> file) {
    if (file.size() <= 2) return FontReading::refused("it holds a load address and no glyph");
    FontReading reading;
    const size_t glyphs = (file.size() - 2) / 8;
    if (glyphs == 0) return FontReading::refused("it holds a load address and no whole glyph");
    reading.bytes.assign(file.begin() + 2, file.begin() + 2 + ptrdiff_t(glyphs * 8));
    if (const size_t stray = file.size() - 2 - glyphs * 8; stray > 0)
        reading.note = "its last " + std::to_string(stray) +
                       " bytes do not make a whole glyph and were left out";
    return reading;
}

std::vector<uint8_t> encodeC64Font(std::span<const uint8_t> glyphs, uint16_t address) {
    std::vector<uint8_t> out(2 + glyphs.size());
    out[0] = uint8_t(address & 0xFF);
    out[1] = uint8_t(address >> 8);
    std::copy(glyphs.begin(), glyphs.end(), out.begin() + 2);
    return out;
}
