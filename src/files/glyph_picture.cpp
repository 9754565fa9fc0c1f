#include "files/glyph_picture.h"

namespace {

constexpr int cell = 8;

int distance(Color a, Color b) {
    int sum = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const int d = int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF);
        sum += d * d;
    }
    return sum;
}

} // namespace

Picture encodeGlyphStrip(std::span<const uint8_t> glyphs, Color paper, Color ink) {
    Picture picture;
    picture.width = int(glyphs.size() / glyphBytes) * cell;
    picture.height = cell;
    picture.pixels.resize(size_t(picture.width) * cell);
    for (int x = 0; x < picture.width; ++x)
        for (int y = 0; y < cell; ++y) {
            const uint8_t row = glyphs[size_t(x / cell * glyphBytes + y)];
            picture.pixels[size_t(y * picture.width + x)] = row & (128 >> (x % cell)) ? ink : paper;
        }
    return picture;
}

std::vector<uint8_t> decodeGlyphCells(const Picture& picture, Color paper, Color ink) {
    std::vector<uint8_t> glyphs;
    for (int top = 0; top + cell <= picture.height; top += cell)
        for (int left = 0; left + cell <= picture.width; left += cell)
            for (int y = 0; y < cell; ++y) {
                uint8_t row = 0;
                for (int x = 0; x < cell; ++x) {
                    const Color color = picture.at(left + x, top + y);
                    if (distance(color, ink) < distance(color, paper))
                        row = uint8_t(row | (128 >> x));
                }
                glyphs.push_back(row);
            }
    return glyphs;
}
