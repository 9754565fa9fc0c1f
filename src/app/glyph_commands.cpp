#include "app/glyph_commands.h"

#include "app/refresh.h"
#include "editing/charset_edits.h"
#include "editing/glyph_transforms.h"
#include "files/text_encoding.h"
#include "toolkit/requesters.h"

using namespace toolkit;

void transformGlyphs(Editor& editor, WindowsState& windows, int mode) {
    const Range& range = editor.document().range;
    const int first = range.enabled ? range.low() : editor.currentChar();
    const int last = range.enabled ? range.high() : editor.currentChar();
    const bool wide = widePixels(editor.document().colorMode);
    if (wide && rotates(mode)) return; // greyed in the menu; a shortcut must not reach it either
    transformGlyphRange(editor.changeGlyphs(first, last), first, last, mode, wide);
    requestRedraw(windows, redrawGlyphViews);
}

void eraseCharset(Editor& editor, WindowsState& windows) {
    eraseCharset(editor.changeGlyphs());
    requestRedraw(windows, redrawGlyphViews);
}

void insertGlyphAtCursor(Editor& editor, WindowsState& windows) {
    insertGlyph(editor.changeGlyphs(editor.currentChar()), editor.currentChar());
    requestRedraw(windows, redrawGlyphViews);
}

void deleteGlyphAtCursor(Editor& editor, WindowsState& windows) {
    deleteGlyph(editor.changeGlyphs(editor.currentChar()), editor.currentChar());
    requestRedraw(windows, redrawGlyphViews);
}

void setRangeBegin(Editor& editor, WindowsState& windows) {
    editor.changeRange().begin = editor.currentChar();
    requestRedraw(windows, redrawRangeLabels);
}

void setRangeEnd(Editor& editor, WindowsState& windows) {
    editor.changeRange().end = editor.currentChar();
    requestRedraw(windows, redrawRangeLabels);
}

void copyRangeToCurrent(Editor& editor, WindowsState& windows) {
    const Range range = editor.document().range;
    const int current = editor.currentChar();
    // Asked first, so that a refused copy records no edit.
    if (rangeCopyRefused(range.low(), range.high(), current)) {
        message_requester("Gridlet", "Range Error!", message_ok);
        return;
    }
    copyRangeToCurrent(editor.changeGlyphs(current), range.low(), range.high(), current);
    requestRedraw(windows, redrawGlyphViews);
}

void chooseBitColor(Editor& editor, WindowsState& windows, bool forInk) {
    const int color = color_requester(-1);
    if (color == -1) return;
    const Document& document = editor.document();
    if (forInk)
        editor.setColors(document.paperColor, Color(color));
    else
        editor.setColors(Color(color), document.inkColor);
    requestRedraw(windows, redrawGlyphViews | redrawMap);
}

void loadCharset(Editor& editor, WindowsState& windows, BuiltinCharset which) {
    const CharsetColors colors = loadBuiltinCharset(editor.changeGlyphs(), which);
    editor.setColors(colors.paper, colors.ink);
    windows.atariCodes = which == BuiltinCharset::atariXl;
    placeBuiltinEncoding(editor.changeTextEncoding(), which);
    requestRedraw(windows, redrawGlyphViews);
}
