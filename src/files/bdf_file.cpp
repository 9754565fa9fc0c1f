#include "files/bdf_file.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <sstream>
#include <vector>

namespace {

constexpr std::string_view magic = "STARTFONT";
constexpr int cell = 8;

std::vector<std::string_view> words(std::string_view line) {
    std::vector<std::string_view> out;
    size_t start = 0;
    while (start < line.size()) {
        const size_t space = line.find_first_of(" \t\r", start);
        const size_t end = space == std::string_view::npos ? line.size() : space;
        if (end > start) out.push_back(line.substr(start, end - start));
        start = end + 1;
    }
    return out;
}

bool number(std::string_view word, long& value) {
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    return error == std::errc() && end == word.data() + word.size();
}

// The numbers after the keyword: false unless there are `count` of them.
bool numbers(const std::vector<std::string_view>& line, size_t count, long* values) {
    if (line.size() < count + 1) return false;
    for (size_t i = 0; i < count; ++i)
        if (!number(line[i + 1], values[i]) || values[i] < -10000 || values[i] > 10000)
            return false;
    return true;
}

struct Box {
    long width, height, x, y;
};

struct Reader {
    std::string_view text;
    size_t at = 0;

    bool next(std::vector<std::string_view>& line) {
        while (at < text.size()) {
            const size_t end = std::min(text.find('\n', at), text.size());
            line = words(text.substr(at, end - at));
            at = end + 1;
            if (!line.empty()) return true;
        }
        return false;
    }
};

std::string hexRow(uint8_t row) {
    constexpr char digits[] = "0123456789ABCDEF";
    return {digits[row >> 4], digits[row & 15]};
}

} // namespace

bool isBdf(std::span<const uint8_t> file) {
    return file.size() >= magic.size() &&
           std::string_view(reinterpret_cast<const char*>(file.data()), magic.size()) == magic;
}

FontReading decodeBdf(std::span<const uint8_t> file) {
    if (!isBdf(file)) return FontReading::refused("it is no BDF font");
    Reader reader{{reinterpret_cast<const char*>(file.data()), file.size()}};
    std::vector<std::string_view> line;
    Box font{};
    bool haveFont = false;
    FontReading reading;
    reading.atCurrentChar = false;
    int beyond = 0;
    while (reader.next(line)) {
        if (line[0] == "FONTBOUNDINGBOX") {
            long v[4];
            if (!numbers(line, 4, v)) return FontReading::refused("its FONTBOUNDINGBOX is damaged");
            font = {v[0], v[1], v[2], v[3]};
            if (font.width != cell || font.height != cell)
                return FontReading::refused("its cells are " + std::to_string(font.width) + " x " +
                                            std::to_string(font.height) +
                                            " pixels, and gridlet edits glyphs of 8 x 8");
            haveFont = true;
        } else if (line[0] == "STARTCHAR") {
            if (!haveFont) return FontReading::refused("a glyph comes before the FONTBOUNDINGBOX");
            long code = -1;
            Box box = font;
            std::array<uint8_t, cell> glyph{};
            bool bitmap = false;
            int row = 0;
            while (reader.next(line) && line[0] != "ENDCHAR") {
                long v[4];
                if (bitmap) {
                    const auto hex = [](char c) {
                        return std::isxdigit(static_cast<unsigned char>(c)) != 0;
                    };
                    if (row >= box.height || line[0].size() < 2 ||
                        !std::all_of(line[0].begin(), line[0].end(), hex))
                        return FontReading::refused("a glyph's BITMAP is damaged");
                    unsigned value = 0;
                    std::from_chars(line[0].data(), line[0].data() + 2, value, 16);
                    // Row `row` of the box, from its top, lands in the cell by the offsets.
                    const long cellRow = font.y + font.height - box.y - box.height + row;
                    const long shift = box.x - font.x;
                    glyph[size_t(cellRow)] = uint8_t(value >> shift);
                    ++row;
                } else if (line[0] == "ENCODING") {
                    if (!numbers(line, 1, v)) return FontReading::refused("an ENCODING is damaged");
                    code = v[0];
                } else if (line[0] == "BBX") {
                    if (!numbers(line, 4, v)) return FontReading::refused("a BBX is damaged");
                    box = {v[0], v[1], v[2], v[3]};
                    const bool inside = box.width >= 0 && box.height >= 0 && box.x >= font.x &&
                                        box.y >= font.y && box.x + box.width <= font.x + cell &&
                                        box.y + box.height <= font.y + cell;
                    if (!inside)
                        return FontReading::refused("a glyph's box (" + std::to_string(box.width) +
                                                    " x " + std::to_string(box.height) +
                                                    ") does not fit its 8 x 8 cell");
                } else if (line[0] == "BITMAP") {
                    bitmap = true;
                }
            }
            if (code >= 0 && code <= 255)
                reading.coded.emplace_back(int(code), glyph);
            else
                ++beyond;
        }
    }
    if (reading.coded.empty())
        return FontReading::refused(beyond ? "none of its glyphs has a code from 0 to 255"
                                           : "it holds no glyph");
    if (beyond > 0)
        reading.note = std::to_string(beyond) + " glyphs with codes beyond 255 were left out";
    return reading;
}

std::string encodeBdf(std::span<const uint8_t> glyphs, int firstCode, std::string_view name) {
    const size_t count = glyphs.size() / cell;
    std::ostringstream out;
    out << "STARTFONT 2.1\n"
        << "FONT -gridlet-" << name << "-Medium-R-Normal--8-80-75-75-C-80-FontSpecific-0\n"
        << "SIZE 8 75 75\n"
        << "FONTBOUNDINGBOX 8 8 0 -1\n"
        << "STARTPROPERTIES 3\nFONT_ASCENT 7\nFONT_DESCENT 1\nSPACING \"C\"\nENDPROPERTIES\n"
        << "CHARS " << count << "\n";
    for (size_t i = 0; i < count; ++i) {
        const int code = firstCode + int(i);
        out << "STARTCHAR char" << code << "\nENCODING " << code
            << "\nSWIDTH 1000 0\nDWIDTH 8 0\nBBX 8 8 0 -1\nBITMAP\n";
        for (size_t row = 0; row < cell; ++row) out << hexRow(glyphs[i * cell + row]) << "\n";
        out << "ENDCHAR\n";
    }
    out << "ENDFONT\n";
    return out.str();
}
