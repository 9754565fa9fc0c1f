#include "views/charset_image.h"

#include "views/doubled_glyph.h"

void drawCharsetImageCell(const Charset& charset, int code, const GlyphLook& look) {
    const toolkit::Area cell = cellArea(charsetCell(code), glyphCellHeight(charset.height));
    drawGlyphCell(glyphOf(charset, code), cell.x, cell.y, look);
}

void drawCharsetImage(const Charset& charset, const GlyphLook& look) {
    for (int code = 0; code < glyphCount; ++code) drawCharsetImageCell(charset, code, look);
}
