#include "app/glyph_commands.h"

#include "editing/charset_edits.h"
#include "editing/glyph_transforms.h"
#include "files/text_encoding.h"
#include "toolkit/requesters.h"

using namespace toolkit;

void transformGlyphs(Editor& editor, int mode) {
    const Range& range = editor.document().range;
    const int first = range.enabled ? range.low() : editor.currentChar();
    const int last = range.enabled ? range.high() : editor.currentChar();
    const bool wide = widePixels(editor.document().colorMode);
    // Greyed in the menu; a shortcut must not reach it either.
    if (!transforms(mode, wide, editor.document().charset.height)) return;
    transformGlyphRange(editor.changeGlyphs(first, last), first, last, mode, wide);
}

void eraseCharset(Editor& editor) {
    eraseCharset(editor.changeGlyphs());
}

void insertGlyphAtCursor(Editor& editor) {
    insertGlyph(editor.changeGlyphs(editor.currentChar()), editor.currentChar());
}

void deleteGlyphAtCursor(Editor& editor) {
    deleteGlyph(editor.changeGlyphs(editor.currentChar()), editor.currentChar());
}

void setRangeBegin(Editor& editor) {
    editor.changeRange().begin = editor.currentChar();
}

void setRangeEnd(Editor& editor) {
    editor.changeRange().end = editor.currentChar();
}

void copyRangeToCurrent(Editor& editor) {
    const Range range = editor.document().range;
    const int current = editor.currentChar();
    // Asked first, so that a refused copy records no edit.
    if (rangeCopyRefused(range.low(), range.high(), current)) {
        message_requester("Gridlet", "Range Error!", message_ok);
        return;
    }
    copyRangeToCurrent(editor.changeGlyphs(current), range.low(), range.high(), current);
}

void chooseBitColor(Editor& editor, bool forInk) {
    const int color = color_requester(-1);
    if (color == -1) return;
    const Document& document = editor.document();
    if (forInk)
        editor.setColors(document.paperColor, Color(color));
    else
        editor.setColors(Color(color), document.inkColor);
}

void loadCharset(Editor& editor, WindowsState& windows, BuiltinCharset which) {
    const CharsetColors colors = loadBuiltinCharset(editor.changeGlyphs(), which);
    editor.setColors(colors.paper, colors.ink);
    windows.atariCodes = which == BuiltinCharset::atariXl;
    placeBuiltinEncoding(editor.changeTextEncoding(), which);
}
