#include "files/glyph_picture.h"

#include <algorithm>
#include <string>

namespace {

constexpr int cellWidth = 8;

int distance(Color a, Color b) {
    int sum = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const int d = int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF);
        sum += d * d;
    }
    return sum;
}

// The average colour of the width x height box at (x, y).
Color boxColour(const Picture& picture, int x, int y, int width, int height) {
    uint32_t sums[3] = {};
    for (int dy = 0; dy < height; ++dy)
        for (int dx = 0; dx < width; ++dx)
            for (int channel = 0; channel < 3; ++channel)
                sums[channel] += (picture.at(x + dx, y + dy) >> (8 * channel)) & 0xFF;
    const uint32_t area = uint32_t(width * height);
    return Color(sums[0] / area | (sums[1] / area) << 8 | (sums[2] / area) << 16);
}

// The bits of the look's colour nearest the given one; of equally near ones, the lowest.
int nearestBits(const GlyphLook& look, Color colour) {
    const int choices = look.wide ? 4 : 2;
    int best = 0;
    for (int bits = 1; bits < choices; ++bits)
        if (distance(colour, look.colors[size_t(bits)]) <
            distance(colour, look.colors[size_t(best)]))
            best = bits;
    return best;
}

// The glyphs of the picture's cells of 8 x height glyph pixels, each scale x scale, left to
// right, top to bottom.
std::vector<uint8_t> readCells(const Picture& picture, int scale, int height,
                               const GlyphLook& look) {
    const int wide = cellWidth * scale, high = height * scale;
    const int bitsWide = look.wide ? 2 : 1; // the bits of one pixel of the look
    std::vector<uint8_t> bytes;
    for (int top = 0; top + high <= picture.height; top += high)
        for (int left = 0; left + wide <= picture.width; left += wide)
            for (int y = 0; y < height; ++y) {
                int row = 0;
                for (int x = 0; x < cellWidth; x += bitsWide) {
                    const Color colour = boxColour(picture, left + x * scale, top + y * scale,
                                                   bitsWide * scale, scale);
                    row = row << bitsWide | nearestBits(look, colour);
                }
                bytes.push_back(uint8_t(row));
            }
    return bytes;
}

constexpr std::string_view modeNames[colorModeCount] = {
    "two colours", "C64 single colour", "C64 multicolour", "Atari four colours", "ZX Spectrum"};

// The note writes #RRGGBB and colours are kept 0x00BBGGRR: the same swap either way.
Color swappedRedAndBlue(Color colour) {
    return (colour >> 16 & 0xFF) | (colour & 0xFF00) | (colour & 0xFF) << 16;
}

std::optional<Color> colourOf(std::string_view text) {
    if (text.size() != 7 || text[0] != '#') return std::nullopt;
    Color colour = 0;
    for (const char c : text.substr(1)) {
        const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
        if (digit < 0) return std::nullopt;
        colour = colour << 4 | Color(digit);
    }
    return swappedRedAndBlue(colour);
}

// The line after "name: ", or nothing.
std::optional<std::string_view> field(std::string_view note, std::string_view name) {
    for (size_t start = 0; start < note.size();) {
        const size_t end = std::min(note.find('\n', start), note.size());
        const std::string_view line = note.substr(start, end - start);
        if (line.starts_with(name) && line.substr(name.size()).starts_with(": "))
            return line.substr(name.size() + 2);
        start = end + 1;
    }
    return std::nullopt;
}

// The glyphs of `height` rows laid out `columns` a row at the scale.
Picture layOut(std::span<const uint8_t> glyphs, int height, const GlyphLook& look, int scale,
               size_t columns) {
    const size_t rows = size_t(height);
    const size_t count = glyphs.size() / rows;
    const int wide = cellWidth * scale, high = height * scale;
    Picture picture;
    picture.width = int(columns) * wide;
    picture.height = int((count + columns - 1) / columns) * high;
    picture.pixels.assign(size_t(picture.width) * size_t(picture.height), look.paper());
    for (size_t i = 0; i < count; ++i)
        paintGlyph(picture, glyphs.subspan(i * rows, rows), int(i % columns) * wide,
                   int(i / columns) * high, look, scale);
    return picture;
}

} // namespace

void paintGlyph(Picture& picture, GlyphRows glyph, int left, int top, const GlyphLook& look,
                int scale) {
    const int wide = cellWidth * scale, high = int(glyph.size()) * scale;
    for (int y = 0; y < high; ++y) {
        const int row = glyph[size_t(y / scale)];
        for (int x = 0; x < wide; ++x) {
            const int bit = x / scale;
            // A wide pixel is the pair of bits it starts at, bit 7 leftmost.
            const int value = look.wide ? (row >> (6 - (bit & 6))) & 3 : (row >> (7 - bit)) & 1;
            picture.at(left + x, top + y) = look.colors[size_t(value)];
        }
    }
}

Picture encodeGlyphStrip(std::span<const uint8_t> glyphs, Color paper, Color ink, int height) {
    return layOut(glyphs, height, narrowLook(paper, ink), 1,
                  std::max<size_t>(glyphs.size() / size_t(height), 1));
}

Picture encodeGlyphSheet(std::span<const uint8_t> glyphs, Color paper, Color ink, int scale,
                         int height) {
    return layOut(glyphs, height, narrowLook(paper, ink), scale, sheetColumns);
}

Picture encodeGlyphSheet(std::span<const uint8_t> glyphs, const GlyphLook& look, int scale,
                         int height) {
    return layOut(glyphs, height, look, scale, sheetColumns);
}

std::vector<uint8_t> decodeGlyphCells(const Picture& picture, Color paper, Color ink, int height) {
    return readCells(picture, 1, height, narrowLook(paper, ink));
}

FontReading decodeGlyphPicture(const Picture& picture, const GlyphLook& look, int height) {
    const int w = picture.width, h = picture.height;
    for (int scale = 1; scale <= largestScale; ++scale) {
        const int wide = cellWidth * scale, high = height * scale;
        const bool strip = h == high && w > 0 && w % wide == 0;
        const bool sheet = w == sheetColumns * wide && h % high == 0 && h / high >= 2 &&
                           h / high <= glyphCount / sheetColumns;
        if (!strip && !sheet) continue;
        FontReading reading;
        reading.atCurrentChar = strip;
        reading.height = height;
        reading.bytes = readCells(picture, scale, height, look);
        return reading;
    }
    const std::string high = std::to_string(height);
    return FontReading::refused(
        "its size, " + std::to_string(w) + " x " + std::to_string(h) +
        " pixels, fits neither a sheet of 16 glyphs of 8 x " + high +
        " a row (128, 256, ... 1024 pixels wide) nor a strip of glyphs side by side (" + high +
        ", " + std::to_string(2 * height) + ", ... " + std::to_string(largestScale * height) +
        " pixels high)");
}

std::string lookNote(ColorMode mode, const GlyphLook& look, int height) {
    std::string note = "mode: " + std::string(modeNames[size_t(mode)]) +
                       "\nrows: " + std::to_string(height) +
                       "\npixels: " + (look.wide ? "bit pairs" : "bits") + "\ncolours:";
    for (size_t i = 0; i < (look.wide ? 4u : 2u); ++i) {
        const Color rgb = swappedRedAndBlue(look.colors[i]);
        constexpr char digits[] = "0123456789ABCDEF";
        note += " #";
        for (int shift = 20; shift >= 0; shift -= 4) note += digits[(rgb >> shift) & 15];
    }
    return note + "\n";
}

std::optional<GlyphLook> lookOfNote(std::string_view note) {
    const auto pixels = field(note, "pixels");
    const auto colours = field(note, "colours");
    if (!pixels || !colours || (*pixels != "bits" && *pixels != "bit pairs")) return std::nullopt;
    GlyphLook look;
    look.wide = *pixels == "bit pairs";
    const size_t count = look.wide ? 4 : 2;
    if (colours->size() != count * 8 - 1) return std::nullopt;
    for (size_t i = 0; i < count; ++i) {
        const std::optional<Color> colour = colourOf(colours->substr(i * 8, 7));
        if ((i > 0 && (*colours)[i * 8 - 1] != ' ') || !colour) return std::nullopt;
        look.colors[i] = *colour;
    }
    if (!look.wide) look = narrowLook(look.colors[0], look.colors[1]);
    return look;
}

int heightOfNote(std::string_view note) {
    const auto rows = field(note, "rows");
    if (!rows) return machineGlyphHeight; // gridlet wrote no other before it said
    int height = 0;
    for (const char c : *rows) {
        if (c < '0' || c > '9' || height > maxGlyphHeight) return 0;
        height = height * 10 + (c - '0');
    }
    return isGlyphHeight(height) ? height : 0;
}
