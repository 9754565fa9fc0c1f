#include "files/bdf_file.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <sstream>
#include <vector>

namespace {

constexpr std::string_view magic = "STARTFONT";
constexpr int cellWidth = 8;

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

std::string counted(long count, std::string_view thing) {
    return std::to_string(count) + " " + std::string(thing) + (count == 1 ? "" : "s");
}

struct Box {
    long width, height, x, y;
};

std::string_view unquoted(std::string_view word) {
    if (word.size() >= 2 && word.front() == '"' && word.back() == '"')
        return word.substr(1, word.size() - 2);
    return word;
}

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

// One glyph as its lines describe it, up to its ENDCHAR.
struct BdfGlyph {
    std::string_view name; // its STARTCHAR's
    long code = -1;        // its ENCODING; -1 without one, or for one too large to hold
    Box box;
    bool bitmap = false;
    long rows = 0;
    std::array<uint8_t, maxGlyphHeight> pixels{};

    // How a message names it: by its code, or by its name when the code says nothing.
    std::string called() const {
        if (code >= 0) return "glyph " + std::to_string(code);
        if (!name.empty()) return "glyph \"" + std::string(name.substr(0, 40)) + "\"";
        return "a glyph";
    }
};

// An ENCODING too large for a long is still a code, just one far outside 0..255.
bool encoding(const std::vector<std::string_view>& line, long& code) {
    if (line.size() < 2) return false;
    const std::string_view word = line[1];
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), code);
    if (end != word.data() + word.size()) return false;
    if (error == std::errc::result_out_of_range) code = -1;
    return error == std::errc() || error == std::errc::result_out_of_range;
}

// Whether the box lies in the font's cell; an empty box has no pixels to place.
bool fits(const Box& box, const Box& font) {
    if (box.width < 0 || box.height < 0) return false;
    if (box.width == 0 || box.height == 0) return true;
    return box.x >= font.x && box.y >= font.y && box.x + box.width <= font.x + cellWidth &&
           box.y + box.height <= font.y + font.height;
}

// Puts the next BITMAP row in the glyph's cell by its box's offsets. A box is at most 8 wide,
// so the row's first byte holds all its pixels, however many bytes a row is written with.
bool placeRow(std::string_view hex, const Box& font, BdfGlyph& glyph) {
    const auto isHex = [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; };
    if (glyph.rows >= glyph.box.height || hex.size() < 2 ||
        !std::all_of(hex.begin(), hex.end(), isHex))
        return false;
    const Box& box = glyph.box;
    if (box.width > 0) {
        unsigned value = 0;
        std::from_chars(hex.data(), hex.data() + 2, value, 16);
        value &= 0xFFu << (cellWidth - box.width); // bits past the box's width are padding
        // Row `rows` of the box, from its top, lands in the cell by the offsets.
        const long cellRow = font.y + font.height - box.y - box.height + glyph.rows;
        glyph.pixels[size_t(cellRow)] = uint8_t(value >> (box.x - font.x));
    }
    ++glyph.rows;
    return true;
}

// Reads the glyph's lines after its STARTCHAR: "" when they make a whole glyph, else why not.
std::string readGlyph(Reader& reader, const Box& font, BdfGlyph& glyph) {
    std::vector<std::string_view> line;
    while (reader.next(line)) {
        const std::string_view key = line[0];
        if (key == "ENDCHAR") {
            if (!glyph.bitmap) return glyph.called() + " has no BITMAP";
            if (glyph.rows < glyph.box.height)
                return glyph.called() + " has " + std::to_string(glyph.rows) + " of its " +
                       counted(glyph.box.height, "row");
            return "";
        }
        if (key == "STARTCHAR" || key == "ENDFONT") return glyph.called() + " has no ENDCHAR";
        long v[4];
        if (glyph.bitmap) {
            if (!placeRow(key, font, glyph)) return glyph.called() + "'s BITMAP is damaged";
        } else if (key == "ENCODING") {
            // "ENCODING -1 n" is a glyph outside the standard codes: skipped as any other.
            if (!encoding(line, glyph.code)) return glyph.called() + "'s ENCODING is damaged";
        } else if (key == "BBX") {
            if (!numbers(line, 4, v)) return glyph.called() + "'s BBX is damaged";
            glyph.box = {v[0], v[1], v[2], v[3]};
            if (!fits(glyph.box, font))
                return glyph.called() + "'s box (" + std::to_string(v[0]) + " x " +
                       std::to_string(v[1]) + ") does not fit its " + std::to_string(font.width) +
                       " x " + std::to_string(font.height) + " cell";
        } else if (key == "BITMAP") {
            glyph.bitmap = true;
        }
    }
    return "the file ends before ENDFONT";
}

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
    bool ended = false;
    FontReading reading;
    reading.atCurrentChar = false;
    long outside = 0;
    std::string_view registry, encoding;
    while (!ended && reader.next(line)) {
        if (line[0] == "ENDFONT") {
            ended = true;
        } else if (line[0] == "CHARSET_REGISTRY" && line.size() > 1) {
            registry = unquoted(line[1]);
        } else if (line[0] == "CHARSET_ENCODING" && line.size() > 1) {
            encoding = unquoted(line[1]);
        } else if (line[0] == "FONTBOUNDINGBOX") {
            long v[4];
            if (!numbers(line, 4, v)) return FontReading::refused("its FONTBOUNDINGBOX is damaged");
            font = {v[0], v[1], v[2], v[3]};
            const std::string size = "its cells are " + std::to_string(font.width) + " x " +
                                     std::to_string(font.height) + " pixels";
            if (font.width != cellWidth)
                return FontReading::refused(size + ", and gridlet edits glyphs 8 pixels wide");
            if (!isGlyphHeight(int(font.height)))
                return FontReading::refused(size + ", and gridlet edits glyphs of 1 to 32 rows");
            reading.height = int(font.height);
            haveFont = true;
        } else if (line[0] == "STARTCHAR") {
            if (!haveFont) return FontReading::refused("a glyph comes before the FONTBOUNDINGBOX");
            BdfGlyph glyph{.name = line.size() > 1 ? line[1] : "", .box = font};
            if (std::string problem = readGlyph(reader, font, glyph); !problem.empty())
                return FontReading::refused(std::move(problem));
            if (glyph.code >= 0 && glyph.code <= 255)
                reading.coded.emplace_back(int(glyph.code), glyph.pixels);
            else
                ++outside;
        }
    }
    if (!ended) return FontReading::refused("the file ends before ENDFONT");
    reading.codesAreCharacters =
        registry == "ISO10646" || (registry == "ISO8859" && encoding == "1");
    if (reading.coded.empty())
        return FontReading::refused(outside ? "none of its glyphs has a code from 0 to 255"
                                            : "it holds no glyph");
    if (outside > 0)
        reading.note = counted(outside, "glyph") +
                       (outside == 1 ? " with a code outside 0 to 255 was left out"
                                     : " with codes outside 0 to 255 were left out");
    return reading;
}

std::string encodeBdf(std::span<const uint8_t> glyphs, int firstCode, std::string_view name,
                      int height) {
    const size_t rows = size_t(height);
    const size_t count = glyphs.size() / rows;
    // About an eighth of the cell below the baseline, as the 8-row cell's one row.
    const int descent = height / 8;
    const std::string box =
        std::to_string(cellWidth) + " " + std::to_string(height) + " 0 -" + std::to_string(descent);
    std::ostringstream out;
    out << "STARTFONT 2.1\n"
        << "FONT -gridlet-" << name << "-Medium-R-Normal--" << height << "-" << height * 10
        << "-75-75-C-80-FontSpecific-0\n"
        << "SIZE " << height << " 75 75\n"
        << "FONTBOUNDINGBOX " << box << "\n"
        << "STARTPROPERTIES 3\nFONT_ASCENT " << height - descent << "\nFONT_DESCENT " << descent
        << "\nSPACING \"C\"\nENDPROPERTIES\n"
        << "CHARS " << count << "\n";
    for (size_t i = 0; i < count; ++i) {
        const int code = firstCode + int(i);
        out << "STARTCHAR char" << code << "\nENCODING " << code
            << "\nSWIDTH 1000 0\nDWIDTH 8 0\nBBX " << box << "\nBITMAP\n";
        for (size_t row = 0; row < rows; ++row) out << hexRow(glyphs[i * rows + row]) << "\n";
        out << "ENDCHAR\n";
    }
    out << "ENDFONT\n";
    return out.str();
}
