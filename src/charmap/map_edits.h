// The map grid's data operations: start-up contents, fill, and the six cell/line/column edits.
// The edits move the codes and, called again over the colours, the cells' colours the same way;
// a cell they empty takes `blank`.
//
// width and height are the visible size; storage column `width` and row `height` are the hidden
// column and row, which some edits move data into. column and row name the selected cell and must
// lie inside the storage (column <= 80, row <= 50).
#pragma once

#include "model/character_map.h"
#include "model/machine_colors.h"

template <typename Grid> using CellOf = typename Grid::value_type::value_type;

// Every storage cell (x, y), hidden ones included, holds x + 32.
void fillStartMap(MapCells& cells);

// Only the visible cells take the code, or the colour.
template <typename Grid> void fillMap(Grid& cells, int width, int height, CellOf<Grid> code);

template <typename Grid>
void insertMapChar(Grid& cells, int width, int height, int column, int row, CellOf<Grid> blank = 0);
template <typename Grid>
void deleteMapChar(Grid& cells, int width, int height, int column, int row, CellOf<Grid> blank = 0);
template <typename Grid>
void insertMapLine(Grid& cells, int width, int height, int column, int row, CellOf<Grid> blank = 0);
template <typename Grid>
void deleteMapLine(Grid& cells, int width, int height, int column, int row, CellOf<Grid> blank = 0);
template <typename Grid>
void insertMapColumn(Grid& cells, int width, int height, int column, int row,
                     CellOf<Grid> blank = 0);
template <typename Grid>
void deleteMapColumn(Grid& cells, int width, int height, int column, int row,
                     CellOf<Grid> blank = 0);
