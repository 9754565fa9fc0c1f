#include "files/text_encoding.h"

#include <algorithm>
#include <string_view>

#include "files/code_pages.h"

namespace {

using Layout = std::array<char32_t, 256>;

// The quarter blocks of codes 0..15, bit 0 the top-right quarter, bit 1 the top-left, bit 2 the
// bottom-right and bit 3 the bottom-left, as the Spectrum and the Jupiter Ace build them.
constexpr std::u32string_view quarterBlocks =
    U" \u259D\u2598\u2580\u2597\u2590\u259A\u259C\u2596\u259E\u258C\u259B\u2584\u259F\u2599\u2588";

void placeText(Layout& layout, int from, std::u32string_view text) {
    for (size_t i = 0; i < text.size(); ++i) layout[size_t(from) + i] = text[i];
}

void placeAscii(Layout& layout, int from, char32_t first, char32_t last) {
    for (char32_t c = first; c <= last; ++c) layout[size_t(from) + (c - first)] = c;
}

Layout zxSpectrumLayout() {
    Layout layout{};
    placeAscii(layout, 32, U' ', U'~');
    layout[94] = U'\u2191';
    layout[96] = U'\u00A3';
    layout[127] = U'\u00A9';
    placeText(layout, 129, quarterBlocks.substr(1));
    return layout;
}

Layout jupiterAceLayout() {
    Layout layout = zxSpectrumLayout();
    std::fill(layout.begin() + 128, layout.end(), 0);
    for (int code = 0; code < 32; ++code)
        if (code % 8) layout[size_t(code)] = quarterBlocks[size_t(code % 8)];
    return layout;
}

Layout zx80Layout() {
    Layout layout{};
    placeText(layout, 0, U" \"");
    placeText(layout, 12, U"\u00A3$:?()-+*/=><;,.0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    return layout;
}

// The screen codes: 0 '@', 1..26 the capitals, 32..63 as in ASCII.
Layout c64Layout() {
    Layout layout{};
    placeAscii(layout, 0, U'@', U'Z');
    placeText(layout, 27, U"[\u00A3]\u2191\u2190");
    placeAscii(layout, 32, U' ', U'?');
    layout[94] = U'\u03C0';
    return layout;
}

// The lower case screen codes: the small letters where the capitals were, the capitals at 65..90,
// and no pi.
Layout c64LowerLayout() {
    Layout layout = c64Layout();
    placeAscii(layout, 1, U'a', U'z');
    placeAscii(layout, 65, U'A', U'Z');
    layout[94] = 0;
    return layout;
}

// The internal codes: ATASCII 32..95 at 0..63, 96..127 in place.
Layout atariLayout() {
    Layout layout{};
    placeAscii(layout, 0, U' ', U'_');
    layout[64] = U'\u2665';
    layout[96] = U'\u2666';
    placeAscii(layout, 97, U'a', U'z');
    placeText(layout, 123, U"\u2660|");
    return layout;
}

// KOI-7: the capitals of ASCII, and the Cyrillic capitals where ASCII has its small letters.
Layout microshaLayout() {
    Layout layout{};
    placeAscii(layout, 32, U' ', U'_');
    layout[36] = U'\u00A4';
    placeText(layout, 96, U"ЮАБЦДЕФГХИЙКЛМНОПЯРСТУЖВЬЫЗШЭЩЧЪ");
    return layout;
}

struct BuiltinLayout {
    Layout characters;
    int normalCodes; // the codes after these show the same characters in inverse video
};

BuiltinLayout builtinLayout(BuiltinCharset which) {
    switch (which) {
    case BuiltinCharset::ibmPcCga:
        return {unicodeOf(CodePage::cp437), 256};
    case BuiltinCharset::ibmPc866:
        return {unicodeOf(CodePage::cp866), 256};
    case BuiltinCharset::zxSpectrum:
        return {zxSpectrumLayout(), 256};
    case BuiltinCharset::zx80:
        return {zx80Layout(), 64};
    case BuiltinCharset::jupiterAce:
        return {jupiterAceLayout(), 128};
    case BuiltinCharset::c64Caps:
        return {c64Layout(), 128};
    case BuiltinCharset::c64Lower:
        return {c64LowerLayout(), 128};
    case BuiltinCharset::atariXl:
        return {atariLayout(), 128};
    case BuiltinCharset::microsha:
        return {microshaLayout(), 128};
    case BuiltinCharset::hexNumbers:
        break;
    }
    return {{}, 256}; // the hex numbers are no text
}

void placeLayout(TextEncoding& encoding, const Layout& layout, int first, int last) {
    std::copy(layout.begin() + first, layout.begin() + last + 1,
              encoding.characters.begin() + first);
}

} // namespace

void placeBuiltinEncoding(TextEncoding& encoding, BuiltinCharset which) {
    const int last = std::min(255, builtinCodesLoaded(which) - 1);
    BuiltinLayout layout = builtinLayout(which);
    // The inverse copies show, and type, the characters of the codes they invert.
    for (int code = layout.normalCodes; code <= last; ++code)
        layout.characters[size_t(code)] = layout.characters[size_t(code % layout.normalCodes)];
    clearCodes(encoding, 0, last);
    placeLayout(encoding, layout.characters, 0, last);
    // The Spectrum and the Ace show '^' as an arrow.
    if (which == BuiltinCharset::zxSpectrum || which == BuiltinCharset::jupiterAce)
        addExtraCharacter(encoding, U'^', 94);
    encoding.own = 1;
}

TextEncoding fontEncoding(const FontReading& reading, int first, std::string& note) {
    TextEncoding encoding = latinEncoding();
    encoding.own = reading.codesAreCharacters ? 1 : 0;
    if (reading.unicode.empty()) return encoding;
    const int last = std::min(255, first + int(reading.bytes.size()) / reading.height - 1);
    clearCodes(encoding, first, last);
    size_t left = 0;
    for (const auto& [glyph, character] : reading.unicode) {
        const int code = first + glyph;
        if (code > last) continue;
        // The first character of a glyph's entry is the one it shows.
        if (encoding.characters[size_t(code)] == 0)
            encoding.characters[size_t(code)] = character;
        else if (!addExtraCharacter(encoding, character, code))
            ++left;
    }
    encoding.own = 1;
    if (left)
        note = "of its Unicode table, " + std::to_string(left) + " characters beyond the first " +
               std::to_string(extraCharacterLimit) + " that share glyphs were left out";
    return encoding;
}
