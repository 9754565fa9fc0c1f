// BDF fonts of any content: a font read has glyphs only of codes 0..255, or a reason and none,
// and a set made of them, saved again, reads back the same glyphs. Fonts written from the input
// as glyphs of any codes, cropped to their pixels or not, read back exactly their glyphs of codes
// 0..255, and cut short anywhere before their ENDFONT are refused.
// Input: the font's text; read as glyphs, a byte of the font's x and y offsets and one of where
// to cut, then for each glyph two bytes of code, one of how it is written and eight of pixels.
#include <algorithm>
#include <array>
#include <bit>
#include <string>
#include <vector>

#include "files/bdf_file.h"
#include "fuzz_failure.h"
#include "model/charset.h"

namespace {

using Coded = std::vector<std::pair<int, std::array<uint8_t, maxGlyphHeight>>>;

// A glyph of 8 rows as a reading holds it, its rows below blank.
std::array<uint8_t, maxGlyphHeight> inCell(const std::array<uint8_t, 8>& rows) {
    std::array<uint8_t, maxGlyphHeight> cell{};
    std::copy(rows.begin(), rows.end(), cell.begin());
    return cell;
}

FontReading read(const std::string& text) {
    return decodeBdf({reinterpret_cast<const uint8_t*>(text.data()), text.size()});
}

std::string hex(unsigned byte) {
    constexpr char digits[] = "0123456789ABCDEF";
    return {digits[byte >> 4 & 15], digits[byte & 15]};
}

// The glyph's box and rows: its whole cell, or cropped to its pixels as most fonts write them;
// rows of one byte or of two, with the bits past the box's width set or not.
std::string glyphText(const std::array<uint8_t, 8>& rows, int fontX, int fontY, uint8_t how) {
    int top = 0, bottom = 7, left = 0, width = 8;
    if (how & 1) {
        uint8_t all = 0;
        for (uint8_t row : rows) all |= row;
        while (top < 8 && rows[size_t(top)] == 0) ++top;
        while (bottom >= top && rows[size_t(bottom)] == 0) --bottom;
        left = std::countl_zero(all);
        width = all ? 8 - left - std::countr_zero(all) : 0;
    }
    const int height = bottom - top + 1;
    std::string text = "BBX " + std::to_string(width) + " " + std::to_string(height) + " " +
                       std::to_string(fontX + left) + " " + std::to_string(fontY + 7 - bottom) +
                       "\nBITMAP\n";
    for (int row = top; row <= bottom; ++row) {
        unsigned byte = unsigned(rows[size_t(row)] << left) & 0xFF;
        if (how & 2) byte |= 0xFFu >> width;
        text += hex(byte) + (how & 4 ? "00\n" : "\n");
    }
    return text + "ENDCHAR\n";
}

void expectRead(const std::string& text, const Coded& expected, bool someOutside) {
    const FontReading reading = read(text);
    if (expected.empty() != !reading.problem.empty())
        fuzzFailure("a font written is read as \"" + reading.problem + "\"");
    if (reading.coded != expected) fuzzFailure("a font written reads back other glyphs");
    if (!expected.empty() && reading.note.empty() == someOutside)
        fuzzFailure("the note \"" + reading.note + "\" on the glyphs left out");
}

// The input as glyphs: written by hand, then by encodeBdf from the first one's code on.
void checkWritten(const uint8_t* data, size_t size) {
    if (size < 2) return;
    const int fontX = data[0] % 8 - 4, fontY = data[0] / 8 % 8 - 4;
    std::string text = "STARTFONT 2.1\nFONTBOUNDINGBOX 8 8 " + std::to_string(fontX) + " " +
                       std::to_string(fontY) + "\n";
    Coded expected, fromFirst;
    std::vector<uint8_t> glyphs;
    bool outside = false;
    int firstCode = 0;
    // A few dozen glyphs show every way of writing one; more would only slow the run.
    for (size_t at = 2; at + 11 <= size && at < 2 + 11 * 48; at += 11) {
        const int code = int16_t(data[at] | data[at + 1] << 8);
        const uint8_t how = data[at + 2];
        std::array<uint8_t, 8> rows;
        std::copy(data + at + 3, data + at + 11, rows.begin());
        // "ENCODING -1 n" is a glyph of no standard code, whatever n is.
        const bool skipped = code < 0 || code > 255 || how & 8;
        text += "STARTCHAR g" + std::to_string(at) + "\nENCODING " + (how & 8 ? "-1 " : "") +
                std::to_string(code) + "\nSWIDTH 500 0\nDWIDTH 8 0\n" +
                glyphText(rows, fontX, fontY, how);
        if (!skipped) expected.emplace_back(code, inCell(rows));
        outside = outside || skipped;
        if (glyphs.empty()) firstCode = code;
        const int codeFromFirst = firstCode + int(glyphs.size() / 8);
        if (codeFromFirst >= 0 && codeFromFirst <= 255)
            fromFirst.emplace_back(codeFromFirst, inCell(rows));
        glyphs.insert(glyphs.end(), rows.begin(), rows.end());
    }
    const size_t end = text.size();
    text += "ENDFONT\n";
    expectRead(text, expected, outside);
    const size_t count = glyphs.size() / 8;
    expectRead(encodeBdf(glyphs, firstCode, "fuzz"), fromFirst, fromFirst.size() < count);
    // Cut before the end of its ENDFONT, the font is refused.
    if (read(text.substr(0, data[1] * (end + 7) / 256)).problem.empty())
        fuzzFailure("a font cut short is read");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    checkWritten(data, size);
    const FontReading reading = decodeBdf({data, size});
    if (!reading.problem.empty()) {
        if (!reading.coded.empty() || !reading.note.empty()) fuzzFailure("refused, yet glyphs");
        return 0;
    }
    if (reading.coded.empty()) fuzzFailure("read, yet no glyph");
    Charset set{};
    set.height = uint8_t(reading.height);
    for (const auto& [code, glyph] : reading.coded) {
        if (code < 0 || code > 255) fuzzFailure("a glyph of code " + std::to_string(code));
        std::copy_n(glyph.begin(), set.height, glyphOf(set, code).begin());
    }
    const std::string saved = encodeBdf(set, 0, "again", set.height);
    const FontReading again = read(saved);
    if (!again.problem.empty() || again.coded.size() != 256 || again.height != set.height)
        fuzzFailure("the set does not save back");
    for (const auto& [code, glyph] : again.coded)
        if (!std::equal(glyph.begin(), glyph.begin() + set.height, glyphOf(set, code).begin()))
            fuzzFailure("glyph " + std::to_string(code) + " changed");
    return 0;
}
