#include "app/glyph_commands.h"

#include <string>
#include <vector>

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

void chooseGlyphHeight(Editor& editor, int height) {
    const Document& document = editor.document();
    if (height == document.charset.height) return;
    if (document.colorMode != ColorMode::twoColors) {
        message_requester("Glyph height",
                          "The machines' colour modes show glyphs of 8 x 8 pixels: choose Two "
                          "colours first.",
                          message_ok);
        return;
    }
    const std::string rows = std::to_string(height);
    if (heightCutsPixels(document.charset, height) &&
        message_requester("Glyph height",
                          "Glyphs of " + rows + " rows lose the pixels below row " + rows +
                              ". Cut them?",
                          message_yes_no) != message_result_yes)
        return;
    setGlyphHeight(editor.changeGlyphs(), height);
}

void chooseOtherGlyphHeight(Editor& editor) {
    std::vector<std::string> heights;
    for (int rows = minGlyphHeight; rows <= maxGlyphHeight; ++rows)
        heights.push_back("8 x " + std::to_string(rows));
    const int chosen =
        list_requester("Glyph height",
                       "Every glyph is 8 pixels wide. Its height now: " +
                           std::to_string(editor.document().charset.height) + " rows.",
                       heights);
    if (chosen >= 0) chooseGlyphHeight(editor, minGlyphHeight + chosen);
}

void loadCharset(Editor& editor, WindowsState& windows, BuiltinCharset which) {
    const CharsetColors colors = loadBuiltinCharset(editor.changeGlyphs(), which);
    editor.setColors(colors.paper, colors.ink);
    windows.atariCodes = which == BuiltinCharset::atariXl;
    placeBuiltinEncoding(editor.changeTextEncoding(), which);
}
