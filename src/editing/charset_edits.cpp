#include "editing/charset_edits.h"

#include <algorithm>

namespace {

auto glyphStart(Charset& charset, int code) {
    return charset.begin() + 8 * code;
}

void blankGlyph(Charset& charset, int code) {
    std::fill_n(glyphStart(charset, code), 8, 0);
}

} // namespace

void eraseCharset(Charset& charset) {
    charset.fill(0);
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
        std::swap_ranges(from, from + 8, to);
    } else {
        std::copy_n(from, 8, to);
    }
}

bool copyRangeToCurrent(Charset& charset, int rangeLow, int rangeHigh, int currentChar) {
    if (rangeCopyRefused(rangeLow, rangeHigh, currentChar)) return false;
    // With the target outside the range, ascending order never reads a glyph already overwritten.
    for (int code = rangeLow; code <= rangeHigh; ++code) {
        const int target = currentChar + (code - rangeLow);
        if (target > 255) break;
        std::copy_n(glyphStart(charset, code), 8, glyphStart(charset, target));
    }
    return true;
}
