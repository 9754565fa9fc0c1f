#include "views/charset_image.h"

#include "views/doubled_glyph.h"

void drawCharsetImageCell(const Charset& charset, int code, Color paper, Color ink) {
    const toolkit::Area cell = cellArea(charsetCell(code));
    toolkit::draw_box(cell.x, cell.y, cell.width, cell.height, paper);
    drawDoubledGlyph(glyphOf(charset, code), cell.x, cell.y, ink);
}

void drawCharsetImage(const Charset& charset, Color paper, Color ink) {
    for (int code = 0; code < glyphCount; ++code) drawCharsetImageCell(charset, code, paper, ink);
}
