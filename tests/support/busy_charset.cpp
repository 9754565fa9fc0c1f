#include "busy_charset.h"

#include <random>

Charset busyCharset(uint32_t seed, int glyphHeight) {
    std::mt19937 random(seed);
    Charset charset{};
    charset.height = uint8_t(glyphHeight);
    for (uint8_t& row : charset) row = static_cast<uint8_t>(random() & 0xFF);
    return charset;
}
