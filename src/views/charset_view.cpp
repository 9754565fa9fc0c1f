#include "views/charset_view.h"

#include "views/charset_image.h"

namespace {

constexpr toolkit::Color cursorColor = 0x7FFF00;
constexpr toolkit::Color hoverColor = toolkit::rgb(0, 255, 0);
constexpr toolkit::Color dropTargetColor = 0x0000FF; // red

void drawCursorPattern(Cell cursor, int height) {
    const toolkit::Area cell = cellArea(cursor, height);
    for (int dy = 0; dy < height; ++dy)
        for (int dx = 0; dx < cellSize; ++dx)
            if ((dx ^ dy) & 1) toolkit::draw_box(cell.x + dx, cell.y + dy, 1, 1, cursorColor);
}

void outline(Cell cell, int height, toolkit::Color color) {
    const toolkit::Area area = cellArea(cell, height);
    clipTo(area);
    toolkit::set_drawing_mode(toolkit::mode_outline);
    toolkit::draw_box(area.x, area.y, area.width, area.height, color);
    toolkit::set_drawing_mode(toolkit::mode_filled);
}

} // namespace

void drawCharsetViewArea(toolkit::ImageHandle picture, const toolkit::Area& area, Cell cursor,
                         int height) {
    clipTo(area);
    toolkit::draw_image(picture, 0, 0);
    drawCursorPattern(cursor, height);
}

void drawHoverOutline(Cell cell, int height) {
    outline(cell, height, hoverColor);
}

toolkit::Area draggedGlyphArea(int x, int y, int height) {
    return {x, y, cellSize, height};
}

void drawDraggedGlyph(toolkit::ImageHandle picture, int source, int x, int y, Cell target,
                      int height) {
    // The picture placed so that the source cell lands at the pointer, seen only there.
    const toolkit::Area from = cellArea(charsetCell(source), height);
    clipTo(draggedGlyphArea(x, y, height));
    // Only a pointer near the view shows any of it; far away the sums could overflow.
    const bool nearView =
        x > -cellSize && x < charsetImageWidth && y > -height && y < charsetTableCells * height;
    if (nearView) toolkit::draw_image(picture, x - from.x, y - from.y);
    outline(target, height, dropTargetColor);
}
