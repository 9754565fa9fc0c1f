// The canvases that show glyphs are divided into cells: a glyph's pixels doubled, 16 pixels wide
// and two rows for each of its rows, 16 x 16 for the machines' glyphs of 8 rows.
#pragma once

#include "toolkit/drawing.h"

constexpr int cellSize = 16;

constexpr int glyphCellHeight(int glyphHeight) {
    return 2 * glyphHeight;
}

struct Cell {
    int column = 0;
    int row = 0;

    bool operator==(const Cell&) const = default;
};

constexpr toolkit::Area cellArea(Cell cell, int height) {
    return {cell.column * cellSize, cell.row * height, cellSize, height};
}

inline void clipTo(const toolkit::Area& area) {
    toolkit::set_drawing_clip(area.x, area.y, area.width, area.height);
}
