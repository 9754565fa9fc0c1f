#include "files/glyph_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>

namespace {

constexpr int rowsPerGlyph = 8;

std::string hexByte(uint8_t value) {
    constexpr char digits[] = "0123456789ABCDEF";
    return {'0', 'x', digits[value >> 4], digits[value & 15]};
}

bool isHexDigit(char c) {
    return std::isxdigit(static_cast<unsigned char>(c)) != 0;
}

std::string lowered(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = char(std::tolower(static_cast<unsigned char>(c)));
    return out;
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

// Where the word DATA stands in the line, or npos.
size_t dataWord(std::string_view line) {
    const std::string lower = lowered(line);
    for (size_t at = lower.find("data"); at != std::string::npos; at = lower.find("data", at + 1)) {
        const auto partOfWord = [&](size_t i) {
            return i < lower.size() &&
                   (std::isalnum(static_cast<unsigned char>(lower[i])) || lower[i] == '_');
        };
        if ((at == 0 || !partOfWord(at - 1)) && !partOfWord(at + 4)) return at;
    }
    return std::string_view::npos;
}

// Comments, array sizes and BASIC line numbers go: they hold numbers that are not glyphs. In
// a BASIC listing only the DATA lines count.
std::string withoutAsides(std::string_view original) {
    // Block comments first: they may span lines and hold any character, ";" and "[" included.
    std::string text(original);
    for (size_t open = text.find("/*"); open != std::string::npos; open = text.find("/*", open)) {
        const size_t close = text.find("*/", open + 2);
        text.erase(open, close == std::string::npos ? std::string::npos : close + 2 - open);
    }
    const std::vector<std::string_view> all = lines(text);
    const bool basic = std::any_of(all.begin(), all.end(), [](std::string_view line) {
        return dataWord(line) != std::string_view::npos;
    });
    std::string kept;
    for (std::string_view line : all) {
        if (basic) {
            const size_t data = dataWord(line);
            if (data == std::string_view::npos) continue;
            line.remove_prefix(data + 4);
        }
        std::string clean;
        bool inBracket = false;
        for (size_t i = 0; i < line.size(); ++i) {
            const char c = line[i];
            if (c == ';' || (c == '/' && i + 1 < line.size() && line[i + 1] == '/')) break;
            if (c == '[') inBracket = true;
            if (!inBracket) clean += c;
            if (c == ']') inBracket = false;
        }
        kept += clean + '\n';
    }
    return kept;
}

std::vector<std::string> tokens(std::string_view text) {
    std::vector<std::string> out;
    std::string current;
    for (const char c : text) {
        if (std::isalnum(static_cast<unsigned char>(c)) || c == '$' || c == '&' || c == '%') {
            current += c;
        } else if (!current.empty()) {
            out.push_back(std::move(current));
            current.clear();
        }
    }
    if (!current.empty()) out.push_back(std::move(current));
    return out;
}

std::optional<long> parsed(std::string_view digits, int base) {
    if (digits.empty() || digits.size() > 9) return std::nullopt;
    long value = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return value;
}

// The value of a token in one of the number forms; nothing for a word.
std::optional<long> number(const std::string& token) {
    const std::string t = lowered(token);
    // "0B6h" is hex, not binary: the suffix is looked at first.
    if (t.ends_with('h') && std::isdigit(static_cast<unsigned char>(t[0])))
        return parsed(std::string_view(t).substr(0, t.size() - 1), 16);
    if (t.starts_with("0x")) return parsed(std::string_view(t).substr(2), 16);
    if (t.starts_with("0b")) return parsed(std::string_view(t).substr(2), 2);
    if (t.starts_with('$')) return parsed(std::string_view(t).substr(1), 16);
    if (t.starts_with("&h")) return parsed(std::string_view(t).substr(2), 16);
    if (t.starts_with('%')) return parsed(std::string_view(t).substr(1), 2);
    return parsed(t, 10);
}

// "3C 66 6E 6E": every token one or two hex digits, some of them letters.
bool isHexDump(const std::vector<std::string>& all) {
    bool letters = false;
    for (const std::string& token : all) {
        if (token.size() > 2 || !std::all_of(token.begin(), token.end(), isHexDigit)) return false;
        letters |= std::any_of(token.begin(), token.end(),
                               [](char c) { return std::isalpha(static_cast<unsigned char>(c)); });
    }
    return letters;
}

GlyphTextReading glyphsOf(const std::vector<uint8_t>& bytes, const char* what) {
    GlyphTextReading reading;
    const size_t whole = bytes.size() / rowsPerGlyph * rowsPerGlyph;
    reading.glyphs.assign(bytes.begin(), bytes.begin() + ptrdiff_t(whole));
    reading.leftOver = int(bytes.size() - whole);
    if (whole == 0)
        reading.problem = "The text on the clipboard holds " + std::to_string(bytes.size()) + " " +
                          what + ", and a glyph takes 8.";
    return reading;
}

} // namespace

std::string encodeGlyphText(std::span<const uint8_t> glyphs) {
    std::string text;
    for (size_t i = 0; i < glyphs.size(); ++i) {
        text += hexByte(glyphs[i]);
        text += (i + 1) % rowsPerGlyph == 0 ? '\n' : ',';
    }
    return text;
}

GlyphTextReading decodeGlyphText(std::string_view text) {
    if (std::optional<std::vector<uint8_t>> rows = bitRows(text)) return glyphsOf(*rows, "rows");
    const std::vector<std::string> all = tokens(withoutAsides(text));
    const bool hexDump = isHexDump(all);
    std::vector<uint8_t> bytes;
    for (const std::string& token : all) {
        const std::optional<long> value = hexDump ? parsed(token, 16) : number(token);
        if (!value) continue;
        if (*value > 255) {
            GlyphTextReading reading;
            reading.problem =
                "The text on the clipboard holds " + token + ", which is not a byte (0 to 255).";
            return reading;
        }
        bytes.push_back(uint8_t(*value));
    }
    if (bytes.empty()) {
        GlyphTextReading reading;
        reading.problem = "The text on the clipboard holds no glyph: give 8 numbers a glyph "
                          "(0x3C, $3C, &H3C, 3Ch or 60) or 8 rows of # and . a glyph.";
        return reading;
    }
    return glyphsOf(bytes, "numbers");
}
