#include "app/glyph_commands.h"

#include "app/refresh.h"
#include "editing/charset_edits.h"
#include "editing/glyph_transforms.h"
#include "toolkit/requesters.h"

using namespace toolkit;

void transformGlyphs(AppState& state, int mode) {
    const Range& range = state.document.range;
    const int first = range.enabled ? range.low() : state.currentChar;
    const int last = range.enabled ? range.high() : state.currentChar;
    transformGlyphRange(state.document.charset, first, last, mode, state.bitReverse,
                        state.rotateBuffer);
    requestRedraw(state, redrawGlyphViews);
}

void eraseCharset(AppState& state) {
    eraseCharset(state.document.charset);
    requestRedraw(state, redrawGlyphViews);
}

void insertGlyphAtCursor(AppState& state) {
    insertGlyph(state.document.charset, state.currentChar);
    requestRedraw(state, redrawGlyphViews);
}

void deleteGlyphAtCursor(AppState& state) {
    deleteGlyph(state.document.charset, state.currentChar);
    requestRedraw(state, redrawGlyphViews);
}

void setRangeBegin(AppState& state) {
    state.document.range.begin = state.currentChar;
    requestRedraw(state, redrawRangeLabels);
}

void setRangeEnd(AppState& state) {
    state.document.range.end = state.currentChar;
    requestRedraw(state, redrawRangeLabels);
}

void copyRangeToCurrent(AppState& state) {
    const Range& range = state.document.range;
    if (!copyRangeToCurrent(state.document.charset, range.low(), range.high(), state.currentChar)) {
        message_requester("Gridlet", "Range Error!", message_ok);
        return;
    }
    requestRedraw(state, redrawGlyphViews);
}

void setDragMode(AppState& state, DragMode mode) {
    state.document.dragMode = mode;
}

void chooseBitColor(AppState& state, bool forInk) {
    const int color = color_requester(-1);
    if (color == -1) return;
    (forInk ? state.document.inkColor : state.document.paperColor) = Color(color);
    requestRedraw(state, redrawGlyphViews | redrawMap);
}

void loadCharset(AppState& state, BuiltinCharset which) {
    const CharsetColors colors = loadBuiltinCharset(state.document.charset, which);
    state.document.paperColor = colors.paper;
    state.document.inkColor = colors.ink;
    state.atariCodes = which == BuiltinCharset::atariXl;
    state.codePage = which == BuiltinCharset::ibmPcCga   ? CodePage::cp437
                     : which == BuiltinCharset::ibmPc866 ? CodePage::cp866
                                                         : CodePage::none;
    requestRedraw(state, redrawGlyphViews);
}
