#include "files/source_text.h"

#include <algorithm>
#include <vector>

#include "files/utf8.h"

namespace {

// Rows written on one line: a glyph of more takes several, so that lines stay short.
constexpr size_t rowsALine = 8;

// "8 x 16 pixels".
std::string sizeOf(int height) {
    return "8 x " + std::to_string(height) + " pixels";
}

// Each glyph's rows, up to rowsALine a line: every glyph takes as many lines.
std::vector<std::span<const uint8_t>> lineRows(std::span<const uint8_t> glyphs, int height) {
    const size_t rows = size_t(height);
    std::vector<std::span<const uint8_t>> lines;
    for (size_t glyph = 0; glyph + rows <= glyphs.size(); glyph += rows)
        for (size_t row = 0; row < rows; row += rowsALine)
            lines.push_back(glyphs.subspan(glyph + row, std::min(rowsALine, rows - row)));
    return lines;
}

std::string hex(uint8_t value, const char* prefix, const char* suffix, bool upper = true) {
    const char* digits = upper ? "0123456789ABCDEF" : "0123456789abcdef";
    return prefix + std::string{digits[value >> 4], digits[value & 15]} + suffix;
}

// Control characters and line breaks would end or garble the comment they stand in.
bool printable(char32_t c) {
    return c >= 0x20 && (c < 0x7F || c > 0x9F) && c != 0x2028 && c != 0x2029;
}

// "65 'A'": the code, and the character the set gives it where it prints as one.
std::string describe(int code, const TextEncoding& encoding) {
    std::string text = std::to_string(code);
    if (const char32_t c = encoding.characters[size_t(code & 0xFF)]; printable(c)) {
        text += " '";
        appendUtf8(text, c);
        text += "'";
    }
    return text;
}

// The name's note, if it has one, on a comment line of its own after the first.
std::string noted(const SourceName& name, std::string_view lineStart) {
    return name.note.empty() ? "" : "\n" + std::string(lineStart) + name.note;
}

std::string header(const SourceName& name, size_t count, int height) {
    return "; " + name.identifier + ": " + std::to_string(count) + " glyphs of " + sizeOf(height) +
           ", a byte a row from the top, bit 7 the leftmost pixel.\n"
           "; Made with gridlet." +
           noted(name, "; ") + "\n";
}

// The visible cells as the rows of a C array, the low 8 bits of each.
template <typename Grid> std::string rowsOf(const Grid& cells, int width, int height) {
    std::string out;
    for (int y = 0; y < height; ++y) {
        out += "    {";
        for (int x = 0; x < width; ++x) out += (x ? ", " : "") + std::to_string(cells[x][y] & 0xFF);
        out += "},\n";
    }
    return out;
}

} // namespace

SourceLanguage languageOf(Assembler dialect) {
    switch (dialect) {
    case Assembler::ca65:
        return SourceLanguage::ca65;
    case Assembler::acme:
        return SourceLanguage::acme;
    case Assembler::z80Defb:
    case Assembler::z80Db:
        return SourceLanguage::z80;
    }
    return SourceLanguage::ca65;
}

std::string encodeCSource(std::span<const uint8_t> glyphs, int firstCode, const SourceName& name,
                          const TextEncoding& encoding, int height) {
    const std::vector<std::span<const uint8_t>> lines = lineRows(glyphs, height);
    const size_t count = glyphs.size() / size_t(height);
    std::string out = "/* " + name.identifier + ": " + std::to_string(count) + " glyphs of " +
                      sizeOf(height) +
                      ", a byte a row from the top, bit 7 the leftmost pixel.\n"
                      "   Made with gridlet." +
                      noted(name, "   ") + " */\n";
    out += "static const unsigned char " + name.identifier + "[" + std::to_string(count) + "][" +
           std::to_string(height) + "] = {\n";
    const size_t linesEach = lines.size() / std::max<size_t>(count, 1);
    for (size_t i = 0; i < lines.size(); ++i) {
        const size_t part = i % linesEach;
        out += part == 0 ? "    {" : "     ";
        for (size_t row = 0; row < lines[i].size(); ++row)
            out += hex(lines[i][row], row ? ", 0x" : "0x", "");
        out += part + 1 == linesEach ? "}," : ",";
        if (part == 0) out += " /* " + describe(firstCode + int(i / linesEach), encoding) + " */";
        out += "\n";
    }
    return out + "};\n";
}

std::string encodeAssembler(std::span<const uint8_t> glyphs, int firstCode, const SourceName& name,
                            Assembler dialect, const TextEncoding& encoding, int height) {
    const std::vector<std::span<const uint8_t>> lines = lineRows(glyphs, height);
    const size_t count = glyphs.size() / size_t(height);
    const size_t linesEach = lines.size() / std::max<size_t>(count, 1);
    std::string out = header(name, count, height) + name.identifier + ":\n";
    const char* directive = dialect == Assembler::ca65      ? ".byte"
                            : dialect == Assembler::acme    ? "!byte"
                            : dialect == Assembler::z80Defb ? "defb"
                                                            : "DB";
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string line;
        for (size_t row = 0; row < lines[i].size(); ++row) {
            const uint8_t value = lines[i][row];
            if (row) line += ",";
            switch (dialect) {
            case Assembler::ca65:
                line += hex(value, "$", "");
                break;
            case Assembler::acme:
                line += hex(value, "$", "", false);
                break;
            case Assembler::z80Defb:
                line += hex(value, "0x", "", false);
                break;
            case Assembler::z80Db:
                line += hex(value, "0", "h"); // a leading digit: 0FFh is a number, FFh a name
                break;
            }
        }
        out += "        " + std::string(directive) + " " + line;
        if (i % linesEach == 0) out += " ; " + describe(firstCode + int(i / linesEach), encoding);
        out += "\n";
    }
    return out;
}

std::string encodeBasicData(std::span<const uint8_t> glyphs, int firstCode, std::string_view name,
                            int height) {
    const std::vector<std::span<const uint8_t>> lines = lineRows(glyphs, height);
    const size_t count = glyphs.size() / size_t(height);
    std::string out = "10 REM " + std::string(name) + ": " + std::to_string(count) +
                      " GLYPHS FROM CODE " + std::to_string(firstCode) + ", " +
                      std::to_string(height) + " BYTES EACH\n";
    for (size_t i = 0; i < lines.size(); ++i) {
        out += std::to_string(20 + 10 * i) + " DATA ";
        for (size_t row = 0; row < lines[i].size(); ++row)
            out += (row ? "," : "") + std::to_string(lines[i][row]);
        out += "\n";
    }
    return out;
}

std::string encodeMapCSource(const Document& document, const SourceName& name) {
    const int width = document.mapWidth, height = document.mapHeight;
    const std::string size = "[" + std::to_string(height) + "][" + std::to_string(width) + "]";
    std::string out = "/* " + name.identifier + ": a character map of " + std::to_string(width) +
                      " x " + std::to_string(height) +
                      " cells, row by row, a character code a cell. Made with gridlet." +
                      noted(name, "   ") + " */\n" + "static const unsigned char " +
                      name.identifier + size + " = {\n";
    out += rowsOf(document.mapCells, width, height) + "};\n";
    if (!cellsHaveColors(document.colorMode)) return out;
    const bool spectrum = document.colorMode == ColorMode::spectrum;
    return out + "\n/* The colour of each cell, row by row: " +
           (spectrum ? "its attribute (flash * 128 + bright * 64 + paper * 8 + ink), for the "
                       "attribute area. */\n"
                     : "its colour RAM value, for the colour RAM at $D800. */\n") +
           "static const unsigned char " + name.identifier + "_colors" + size + " = {\n" +
           rowsOf(document.mapColors, width, height) + "};\n";
}
