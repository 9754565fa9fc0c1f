// Every canvas of the program is divided into cells of 16 x 16 pixels.
#pragma once

#include "toolkit/drawing.h"

constexpr int cellSize = 16;

struct Cell {
    int column = 0;
    int row = 0;

    bool operator==(const Cell&) const = default;
};

constexpr toolkit::Area cellArea(Cell cell) {
    return {cell.column * cellSize, cell.row * cellSize, cellSize, cellSize};
}

inline void clipTo(const toolkit::Area& area) {
    toolkit::set_drawing_clip(area.x, area.y, area.width, area.height);
}
