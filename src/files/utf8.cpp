#include "files/utf8.h"

#include <cstdint>

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
        return;
    }
    const int more = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
    out += char(((0xFF80 >> more) & 0xFF) | (c >> (6 * more)));
    for (int shift = 6 * (more - 1); shift >= 0; shift -= 6)
        out += char(0x80 | (c >> shift & 0x3F));
}

char32_t readUtf8(std::span<const uint8_t> text, size_t& at) {
    const uint8_t lead = text[at++];
    const int more = lead < 0x80    ? 0
                     : lead >= 0xF8 ? -1
                     : lead >= 0xF0 ? 3
                     : lead >= 0xE0 ? 2
                     : lead >= 0xC0 ? 1
                                    : -1;
    if (more < 0) return 0;
    char32_t value = more == 0 ? lead : lead & (0x3F >> more);
    for (int i = 0; i < more; ++i) {
        if (at >= text.size() || (text[at] & 0xC0) != 0x80) return 0;
        value = value << 6 | (text[at++] & 0x3F);
    }
    // The shortest form only, and no surrogates.
    constexpr char32_t smallest[] = {0, 0x80, 0x800, 0x10000};
    if (value < smallest[more] || value > 0x10FFFF || (value >= 0xD800 && value < 0xE000)) return 0;
    return value;
}
