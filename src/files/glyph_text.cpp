#include "files/glyph_text.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "files/data_numbers.h"

namespace {

std::string hexByte(uint8_t value) {
    constexpr char digits[] = "0123456789ABCDEF";
    return {'0', 'x', digits[value >> 4], digits[value & 15]};
}

bool isHexDigit(char c) {
    return std::isxdigit(static_cast<unsigned char>(c)) != 0;
}

std::vector<std::string_view> lines(std::string_view text) {
    std::vector<std::string_view> out;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back())))
            line.remove_suffix(1);
        out.push_back(line);
        start = end + 1;
    }
    return out;
}

// ---- Rows of # and . ----

std::optional<uint8_t> bitRow(std::string_view line) {
    if (line.size() != 8) return std::nullopt;
    uint8_t bits = 0;
    for (size_t column = 0; column < 8; ++column) {
        const char c = line[column];
        if (c == '#' || c == 'X' || c == 'x' || c == '1')
            bits = uint8_t(bits | (128 >> column));
        else if (c != '.' && c != '0')
            return std::nullopt;
    }
    return bits;
}

// The rows, when every line that is not blank is one; blank lines may part the glyphs.
std::optional<std::vector<uint8_t>> bitRows(std::string_view text) {
    std::vector<uint8_t> rows;
    for (std::string_view line : lines(text)) {
        if (line.empty()) continue;
        const std::optional<uint8_t> row = bitRow(line);
        if (!row) return std::nullopt;
        rows.push_back(*row);
    }
    if (rows.empty()) return std::nullopt;
    return rows;
}

// ---- Numbers ----

constexpr unsigned tooLarge = 256;
constexpr size_t longestShown = 24;

// A digit's value in bases up to 16; 16 for a character that is no such digit.
unsigned digitValue(char c) {
    if (c >= '0' && c <= '9') return unsigned(c - '0');
    const int lower = std::tolower(static_cast<unsigned char>(c));
    return lower >= 'a' && lower <= 'f' ? unsigned(lower - 'a' + 10) : 16;
}

// The value of the digits, tooLarge for any above 255 however long; nothing for a non-digit.
std::optional<unsigned> digitsValue(std::string_view digits, unsigned base) {
    if (digits.empty()) return std::nullopt;
    unsigned value = 0;
    for (const char c : digits) {
        const unsigned digit = digitValue(c);
        if (digit >= base) return std::nullopt;
        value = std::min(value * base + digit, tooLarge);
    }
    return value;
}

bool hasPrefix(std::string_view token, std::string_view prefix) {
    return token.size() > prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), token.begin(), [](char p, char t) {
               return p == std::tolower(static_cast<unsigned char>(t));
           });
}

// The value of a token in one of the number forms, decimal unless marked; nothing for a word.
std::optional<unsigned> number(std::string_view t) {
    if (t.empty()) return std::nullopt;
    const char last = char(std::tolower(static_cast<unsigned char>(t.back())));
    // "0B6h" is hex, not binary: the suffix is looked at first. "FFh" is a name.
    if (last == 'h' && t.size() > 1 && std::isdigit(static_cast<unsigned char>(t[0])))
        return digitsValue(t.substr(0, t.size() - 1), 16);
    if (hasPrefix(t, "0x")) return digitsValue(t.substr(2), 16);
    if (hasPrefix(t, "0b")) return digitsValue(t.substr(2), 2);
    if (hasPrefix(t, "$")) return digitsValue(t.substr(1), 16);
    if (hasPrefix(t, "&h")) return digitsValue(t.substr(2), 16);
    if (hasPrefix(t, "%")) return digitsValue(t.substr(1), 2);
    return digitsValue(t, 10);
}

bool isShortHex(std::string_view token) {
    return token.size() <= 2 && std::all_of(token.begin(), token.end(), isHexDigit);
}

// "3C 66 6E 6E": every token one or two hex digits, some of them letters.
bool isHexDump(const std::vector<NumberWord>& all) {
    bool letters = false;
    for (const NumberWord& word : all) {
        if (!isShortHex(word.text)) return false;
        letters |= std::any_of(word.text.begin(), word.text.end(),
                               [](char c) { return std::isalpha(static_cast<unsigned char>(c)); });
    }
    return letters;
}

// The number as written, cut short when it is very long.
std::string shown(const NumberWord& word) {
    const std::string_view text = word.text.substr(0, longestShown);
    return (word.negative ? "-" : "") + std::string(text) +
           (word.text.size() > longestShown ? "..." : "");
}

GlyphTextReading glyphsOf(const std::vector<uint8_t>& bytes, const char* what, int height) {
    GlyphTextReading reading;
    const size_t rows = size_t(height);
    const size_t whole = bytes.size() / rows * rows;
    reading.glyphs.assign(bytes.begin(), bytes.begin() + ptrdiff_t(whole));
    reading.leftOver = int(bytes.size() - whole);
    if (whole == 0)
        reading.problem = "The text on the clipboard holds " + std::to_string(bytes.size()) + " " +
                          what + ", and a glyph takes " + std::to_string(height) + ".";
    return reading;
}

} // namespace

std::string encodeGlyphText(std::span<const uint8_t> glyphs, int height) {
    std::string text;
    for (size_t i = 0; i < glyphs.size(); ++i) {
        text += hexByte(glyphs[i]);
        text += (i + 1) % size_t(height) == 0 ? '\n' : ',';
    }
    return text;
}

GlyphTextReading decodeGlyphText(std::string_view text, int height) {
    if (std::optional<std::vector<uint8_t>> rows = bitRows(text))
        return glyphsOf(*rows, "rows", height);
    const std::string uncommented = withoutComments(text);
    const DataWords data = dataWords(uncommented); // views into uncommented
    // A hex dump has no directive: "db 24,36" is decimal.
    const bool hexDump = !data.directives && isHexDump(data.words);
    std::vector<uint8_t> bytes;
    for (const NumberWord& word : data.words) {
        const std::optional<unsigned> value =
            hexDump ? digitsValue(word.text, 16) : number(word.text);
        if (!value) continue;
        if (*value > 255 || (word.negative && *value != 0)) {
            GlyphTextReading reading;
            reading.problem = "The text on the clipboard holds " + shown(word) +
                              ", which is not a byte (0 to 255).";
            return reading;
        }
        bytes.push_back(uint8_t(*value));
    }
    if (bytes.empty()) {
        GlyphTextReading reading;
        const std::string rows = std::to_string(height);
        reading.problem = "The text on the clipboard holds no glyph: give " + rows +
                          " numbers a glyph (0x3C, $3C, &H3C, 3Ch or 60) or " + rows +
                          " rows of # and . a glyph.";
        return reading;
    }
    return glyphsOf(bytes, "numbers", height);
}
