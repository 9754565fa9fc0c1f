// The map grid's data operations: start-up contents, fill, and the six cell/line/column edits.
//
// width and height are the visible size; storage column `width` and row `height` are the hidden
// column and row, which some edits move data into. column and row name the selected cell and must
// lie inside the storage (column <= 80, row <= 50).
#pragma once

#include "model/character_map.h"

// Every storage cell (x, y), hidden ones included, holds x + 32.
void fillStartMap(MapCells& cells);

// Only the visible cells take the code.
void fillMap(MapCells& cells, int width, int height, int code);

void insertMapChar(MapCells& cells, int width, int height, int column, int row);
void deleteMapChar(MapCells& cells, int width, int height, int column, int row);
void insertMapLine(MapCells& cells, int width, int height, int column, int row);
void deleteMapLine(MapCells& cells, int width, int height, int column, int row);
void insertMapColumn(MapCells& cells, int width, int height, int column, int row);
void deleteMapColumn(MapCells& cells, int width, int height, int column, int row);
