#include "views/map_view.h"

#include "views/doubled_glyph.h"

namespace {

constexpr toolkit::Color outlineColor = 0x0000FF;   // red
constexpr toolkit::Color cursorColor = 0x00FF00;    // green
constexpr toolkit::Color selectionColor = 0x00FFFF; // yellow

void outlineArea(const toolkit::Area& area, toolkit::Color color) {
    toolkit::set_drawing_mode(toolkit::mode_outline);
    toolkit::draw_box(area.x, area.y, area.width, area.height, color);
    toolkit::set_drawing_mode(toolkit::mode_filled);
}

// The top edge alternates ink and paper from the left, the left edge paper and ink from the
// top; the left edge comes last, so the corner pixel ends as paper.
void addCellEdges(toolkit::Pixel* topLeft, int stride, int height, Color paper, Color ink) {
    const toolkit::Pixel paperPixel = toolkit::pixel_of(paper), inkPixel = toolkit::pixel_of(ink);
    for (int t = 0; t < cellSize; ++t) topLeft[t] = t % 2 == 0 ? inkPixel : paperPixel;
    for (int t = 0; t < height; ++t)
        topLeft[ptrdiff_t(t) * stride] = t % 2 == 0 ? paperPixel : inkPixel;
}

void drawMapCell(const Document& document, bool grid, int column, int row,
                 const GlyphRowTable* rowTable) {
    const CellLook cell = mapCellLook(document, column, row);
    const int height = glyphCellHeight(document.charset.height);
    writeCellAt(column * cellSize, row * height, height, [&](toolkit::Pixel* pixels, int stride) {
        if (rowTable && rowTable->holds(cell.look))
            writeGlyphCell(pixels, stride, document.glyph(cell.code), *rowTable);
        else
            writeGlyphCell(pixels, stride, document.glyph(cell.code), cell.look);
        if (grid) addCellEdges(pixels, stride, height, cell.look.paper(), cell.look.ink());
    });
}

} // namespace

// Every cell's drawing stays inside the cell, so cells drawn one by one show what one pass over
// the whole map shows.
void drawMapCells(const Document& document, bool grid, Cell first, int columns, int rows,
                  const GlyphRowTable* rowTable) {
    for (int row = first.row; row < first.row + rows; ++row)
        for (int column = first.column; column < first.column + columns; ++column)
            drawMapCell(document, grid, column, row, rowTable);
}

void drawMapOutline(Cell cell, int height) {
    const toolkit::Area area = cellArea(cell, height);
    clipTo(area);
    outlineArea(area, outlineColor);
}

void drawTextCursor(Cell cell, int height) {
    const toolkit::Area area = cellArea(cell, height);
    clipTo(area);
    outlineArea(area, cursorColor);
}

// Edge by edge, so that the canvas shows anew only the edges, not the cells inside them.
void drawSelectionOutline(const CellBox& box, int height) {
    // A selection the map no longer shows has no edges: drawn, its bottom edge would fall on the
    // row above.
    if (box.width <= 0 || box.height <= 0) return;
    const toolkit::Area area{box.left * cellSize, box.top * height, box.width * cellSize,
                             box.height * height};
    const toolkit::Area edges[] = {{area.x, area.y, area.width, 1},
                                   {area.x, area.y + area.height - 1, area.width, 1},
                                   {area.x, area.y, 1, area.height},
                                   {area.x + area.width - 1, area.y, 1, area.height}};
    for (const toolkit::Area& edge : edges) {
        clipTo(edge);
        outlineArea(area, selectionColor);
    }
}
