#include "charmap/map_edits.h"

#include <algorithm>

void fillStartMap(MapCells& cells) {
    for (int x = 0; x < mapColumns; ++x) cells[x].fill(x + 32);
}

void fillMap(MapCells& cells, int width, int height, int code) {
    for (int x = 0; x < width; ++x) {
        std::fill_n(cells[x].begin(), height, code);
    }
}

void insertMapChar(MapCells& cells, int width, int /*height*/, int column, int row) {
    // The visible cells from column on and the hidden one move right; at full width the hidden
    // cell has nowhere to go and is dropped.
    if (column < width) {
        for (int x = width; x >= column; --x) {
            if (x + 1 < mapColumns) cells[x + 1][row] = cells[x][row];
        }
    }
    cells[column][row] = 0;
}

void deleteMapChar(MapCells& cells, int width, int /*height*/, int column, int row) {
    if (column < width) {
        for (int x = column; x < width; ++x) cells[x][row] = cells[x + 1][row];
    }
    // Overwrites what was pulled in from the hidden column: it stays out of view.
    cells[width - 1][row] = 0;
}

void insertMapLine(MapCells& cells, int width, int height, int /*column*/, int row) {
    for (int y = height; y >= row; --y) {
        for (int x = 0; x <= width; ++x) cells[x][y] = y == row ? 0 : cells[x][y - 1];
    }
}

void deleteMapLine(MapCells& cells, int width, int height, int /*column*/, int row) {
    for (int y = row; y < height; ++y) {
        for (int x = 0; x <= width; ++x) cells[x][y] = y >= height - 1 ? 0 : cells[x][y + 1];
    }
}

void insertMapColumn(MapCells& cells, int width, int height, int column, int /*row*/) {
    for (int y = 0; y < height; ++y) {
        for (int x = width - 1; x >= column; --x) cells[x + 1][y] = cells[x][y];
        cells[column][y] = 0;
    }
}

void deleteMapColumn(MapCells& cells, int width, int height, int column, int /*row*/) {
    for (int y = 0; y < height; ++y) {
        for (int x = column; x < width; ++x) cells[x][y] = cells[x + 1][y];
        cells[width - 1][y] = 0;
    }
}
