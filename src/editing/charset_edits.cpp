#include "editing/charset_edits.h"

#include <algorithm>

namespace {

uint8_t* glyphStart(Charset& charset, int code) {
    return charset.begin() + ptrdiff_t(charset.height) * code;
}

void blankGlyph(Charset& charset, int code) {
    std::fill_n(glyphStart(charset, code), charset.height, 0);
}

} // namespace

void eraseCharset(Charset& charset) {
    charset.bytes.fill(0);
}

bool heightCutsPixels(const Charset& charset, int height) {
    if (height >= charset.height) return false;
    for (int code = 0; code < glyphCount; ++code) {
        const GlyphRows rows = glyphOf(charset, code).subspan(size_t(height));
        if (std::ranges::any_of(rows, [](uint8_t row) { return row != 0; })) return true;
    }
    return false;
}

void setGlyphHeight(Charset& charset, int height) {
    const int old = charset.height;
    const int kept = std::min(old, height);
    const auto rowsOf = [&](int code, int rows) {
        return charset.bytes.begin() + ptrdiff_t(rows) * code;
    };
    // Growing moves glyphs from the last on, shrinking from the first on, so that each glyph
    // moves before another is written over it.
    if (height > old) {
        for (int code = glyphCount - 1; code >= 0; --code) {
            std::copy_backward(rowsOf(code, old), rowsOf(code, old) + kept,
                               rowsOf(code, height) + kept);
            std::fill(rowsOf(code, height) + kept, rowsOf(code, height) + height, 0);
        }
    } else {
        for (int code = 0; code < glyphCount; ++code)
            std::copy(rowsOf(code, old), rowsOf(code, old) + kept, rowsOf(code, height));
    }
    charset.height = uint8_t(height);
    std::fill(charset.end(), charset.bytes.data() + charset.bytes.size(), 0);
}

void insertGlyph(Charset& charset, int code) {
    // The last glyph falls off the end; copying backwards keeps the overlap intact.
    std::copy_backward(glyphStart(charset, code), glyphStart(charset, 255), charset.end());
    blankGlyph(charset, code);
}

void deleteGlyph(Charset& charset, int code) {
    if (code < 255)
        std::copy(glyphStart(charset, code + 1), charset.end(), glyphStart(charset, code));
    blankGlyph(charset, 255);
}

void dropGlyph(Charset& charset, int source, int target, DragMode mode) {
    const auto from = glyphStart(charset, source);
    const auto to = glyphStart(charset, target);
    if (mode == DragMode::swap) {
        std::swap_ranges(from, from + charset.height, to);
    } else {
        std::copy_n(from, charset.height, to);
    }
}

bool copyRangeToCurrent(Charset& charset, int rangeLow, int rangeHigh, int currentChar) {
    if (rangeCopyRefused(rangeLow, rangeHigh, currentChar)) return false;
    // With the target outside the range, ascending order never reads a glyph already overwritten.
    for (int code = rangeLow; code <= rangeHigh; ++code) {
        const int target = currentChar + (code - rangeLow);
        if (target > 255) break;
        std::copy_n(glyphStart(charset, code), charset.height, glyphStart(charset, target));
    }
    return true;
}
