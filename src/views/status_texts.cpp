#include "views/status_texts.h"

#include "toolkit/texts.h"

using namespace toolkit;

namespace {

std::string twoHexDigits(int value) {
    return pad_left(hex_string(value), 2, "0");
}

std::string quoted(int code) {
    return "'" + char_string(code) + "'";
}

std::string rangeText(int value) {
    std::string text = decimal_string(value);
    if (value >= 32) text += ":" + char_string(value);
    return text;
}

} // namespace

std::string describeCode(int code, bool atariCodes) {
    const std::string numbers = decimal_string(code) + "($" + twoHexDigits(code) + ")";
    if (!atariCodes) return code > 31 ? numbers + quoted(code) : numbers;
    // Atari screen codes 0..63 stand for the characters 32..95; 97..122 are the small letters.
    if (code <= 63) return numbers + quoted(code + 32);
    if (code >= 97 && code <= 122) return numbers + quoted(code);
    return numbers;
}

void writeStatusTitle(std::string& title, std::string_view baseTitle, int code, bool atariCodes) {
    title = baseTitle;
    title += ' ';
    title += describeCode(code, atariCodes); // short enough to stay off the heap
}

std::string mapHoverTitle(int column, int row, int code) {
    return "Character map (" + decimal_string(column) + "," + decimal_string(row) +
           "):" + decimal_string(code) + "[" + twoHexDigits(code) + "]";
}

std::string beginRangeText(int value) {
    return "BeginRange:" + rangeText(value);
}

std::string endRangeText(int value) {
    return "End range:" + rangeText(value);
}

void writeDataFieldText(std::string& text, GlyphRows glyph) {
    text.clear();
    // The field wraps the 8 rows of a machine's glyph where it must; taller glyphs go four rows a
    // line, which never wrap.
    const bool tall = glyph.size() > 8;
    for (size_t row = 0; row < glyph.size(); ++row) {
        if (row > 0) text += tall && row % 4 == 0 ? ",\n" : ",";
        text += decimal_string(glyph[row]); // at most three digits: no heap
    }
}
