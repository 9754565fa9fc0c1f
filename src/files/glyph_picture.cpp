#include "files/glyph_picture.h"

#include <algorithm>
#include <string>

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

// The average colour of the scale x scale square at (x, y).
Color squareColour(const Picture& picture, int x, int y, int scale) {
    uint32_t sums[3] = {};
    for (int dy = 0; dy < scale; ++dy)
        for (int dx = 0; dx < scale; ++dx)
            for (int channel = 0; channel < 3; ++channel)
                sums[channel] += (picture.at(x + dx, y + dy) >> (8 * channel)) & 0xFF;
    const uint32_t area = uint32_t(scale * scale);
    return Color(sums[0] / area | (sums[1] / area) << 8 | (sums[2] / area) << 16);
}

// The glyphs of the picture's cells of 8 * scale pixels, left to right, top to bottom.
std::vector<uint8_t> readCells(const Picture& picture, int scale, Color paper, Color ink) {
    const int side = cell * scale;
    std::vector<uint8_t> bytes;
    for (int top = 0; top + side <= picture.height; top += side)
        for (int left = 0; left + side <= picture.width; left += side)
            for (int y = 0; y < cell; ++y) {
                uint8_t row = 0;
                for (int x = 0; x < cell; ++x) {
                    const Color colour =
                        squareColour(picture, left + x * scale, top + y * scale, scale);
                    if (distance(colour, ink) < distance(colour, paper))
                        row = uint8_t(row | (128 >> x));
                }
                bytes.push_back(row);
            }
    return bytes;
}

// The glyphs laid out `columns` a row at the scale.
Picture layOut(std::span<const uint8_t> glyphs, const GlyphLook& look, int scale, size_t columns) {
    const size_t count = glyphs.size() / cell;
    const int side = cell * scale;
    Picture picture;
    picture.width = int(columns) * side;
    picture.height = int((count + columns - 1) / columns) * side;
    picture.pixels.assign(size_t(picture.width) * size_t(picture.height), look.paper());
    for (size_t i = 0; i < count; ++i)
        paintGlyph(picture, glyphs.subspan(i * cell).first<cell>(), int(i % columns) * side,
                   int(i / columns) * side, look, scale);
    return picture;
}

} // namespace

void paintGlyph(Picture& picture, GlyphRows glyph, int left, int top, const GlyphLook& look,
                int scale) {
    const int side = cell * scale;
    for (int y = 0; y < side; ++y) {
        const int row = glyph[size_t(y / scale)];
        for (int x = 0; x < side; ++x) {
            const int bit = x / scale;
            // A wide pixel is the pair of bits it starts at, bit 7 leftmost.
            const int value = look.wide ? (row >> (6 - (bit & 6))) & 3 : (row >> (7 - bit)) & 1;
            picture.at(left + x, top + y) = look.colors[size_t(value)];
        }
    }
}

Picture encodeGlyphStrip(std::span<const uint8_t> glyphs, Color paper, Color ink) {
    return layOut(glyphs, narrowLook(paper, ink), 1, std::max<size_t>(glyphs.size() / cell, 1));
}

Picture encodeGlyphSheet(std::span<const uint8_t> glyphs, Color paper, Color ink, int scale) {
    return layOut(glyphs, narrowLook(paper, ink), scale, sheetColumns);
}

Picture encodeGlyphSheet(std::span<const uint8_t> glyphs, const GlyphLook& look, int scale) {
    return layOut(glyphs, look, scale, sheetColumns);
}

std::vector<uint8_t> decodeGlyphCells(const Picture& picture, Color paper, Color ink) {
    return readCells(picture, 1, paper, ink);
}

FontReading decodeGlyphPicture(const Picture& picture, Color paper, Color ink) {
    const int w = picture.width, h = picture.height;
    for (int scale = 1; scale <= largestScale; ++scale) {
        const int side = cell * scale;
        const bool strip = h == side && w > 0 && w % side == 0;
        const bool sheet = w == sheetColumns * side && h % side == 0 && h / side >= 2 &&
                           h / side <= glyphCount / sheetColumns;
        if (!strip && !sheet) continue;
        FontReading reading;
        reading.atCurrentChar = strip;
        reading.bytes = readCells(picture, scale, paper, ink);
        return reading;
    }
    return FontReading::refused(
        "its size, " + std::to_string(w) + " x " + std::to_string(h) +
        " pixels, fits neither a sheet of 16 glyphs a row (128, 256, ... 1024 pixels wide) nor a "
        "strip of glyphs side by side (8, 16, ... 64 pixels high)");
}
