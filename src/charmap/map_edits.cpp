#include "charmap/map_edits.h"

#include <algorithm>

void fillStartMap(MapCells& cells) {
    for (int x = 0; x < mapColumns; ++x) cells[x].fill(x + 32);
}

template <typename Grid> void fillMap(Grid& cells, int width, int height, CellOf<Grid> code) {
    for (int x = 0; x < width; ++x) {
        std::fill_n(cells[x].begin(), height, code);
    }
}

template <typename Grid>
void insertMapChar(Grid& cells, int width, int /*height*/, int column, int row,
                   CellOf<Grid> blank) {
    // The visible cells from column on and the hidden one move right; at full width the hidden
    // cell has nowhere to go and is dropped.
    if (column < width) {
        for (int x = width; x >= column; --x) {
            if (x + 1 < mapColumns) cells[x + 1][row] = cells[x][row];
        }
    }
    cells[column][row] = blank;
}

template <typename Grid>
void deleteMapChar(Grid& cells, int width, int /*height*/, int column, int row,
                   CellOf<Grid> blank) {
    if (column < width) {
        for (int x = column; x < width; ++x) cells[x][row] = cells[x + 1][row];
    }
    // Overwrites what was pulled in from the hidden column: it stays out of view.
    cells[width - 1][row] = blank;
}

template <typename Grid>
void insertMapLine(Grid& cells, int width, int height, int /*column*/, int row,
                   CellOf<Grid> blank) {
    for (int y = height; y >= row; --y) {
        for (int x = 0; x <= width; ++x) cells[x][y] = y == row ? blank : cells[x][y - 1];
    }
}

template <typename Grid>
void deleteMapLine(Grid& cells, int width, int height, int /*column*/, int row,
                   CellOf<Grid> blank) {
    for (int y = row; y < height; ++y) {
        for (int x = 0; x <= width; ++x) cells[x][y] = y >= height - 1 ? blank : cells[x][y + 1];
    }
}

template <typename Grid>
void insertMapColumn(Grid& cells, int width, int height, int column, int /*row*/,
                     CellOf<Grid> blank) {
    for (int y = 0; y < height; ++y) {
        for (int x = width - 1; x >= column; --x) cells[x + 1][y] = cells[x][y];
        cells[column][y] = blank;
    }
}

template <typename Grid>
void deleteMapColumn(Grid& cells, int width, int height, int column, int /*row*/,
                     CellOf<Grid> blank) {
    for (int y = 0; y < height; ++y) {
        for (int x = column; x < width; ++x) cells[x][y] = cells[x + 1][y];
        cells[width - 1][y] = blank;
    }
}

#define GRIDLET_MAP_EDITS(Grid)                                                                    \
    template void fillMap(Grid&, int, int, CellOf<Grid>);                                          \
    template void insertMapChar(Grid&, int, int, int, int, CellOf<Grid>);                          \
    template void deleteMapChar(Grid&, int, int, int, int, CellOf<Grid>);                          \
    template void insertMapLine(Grid&, int, int, int, int, CellOf<Grid>);                          \
    template void deleteMapLine(Grid&, int, int, int, int, CellOf<Grid>);                          \
    template void insertMapColumn(Grid&, int, int, int, int, CellOf<Grid>);                        \
    template void deleteMapColumn(Grid&, int, int, int, int, CellOf<Grid>);
GRIDLET_MAP_EDITS(MapCells)
GRIDLET_MAP_EDITS(MapColors)
