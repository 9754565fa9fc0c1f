#include "app/cursor.h"

#include "app/refresh.h"

void moveCursor(AppState& state, int dx, int dy) {
    state.cursorColumn = (state.cursorColumn + dx) & 15;
    state.cursorRow = (state.cursorRow + dy) & 15;
    state.currentChar = uint8_t(state.cursorRow * 16 + state.cursorColumn);
    requestRedraw(state, redrawCharsetView | redrawGlyphEditor | redrawStatusTitle);
}

void selectCell(AppState& state, Cell cell) {
    state.cursorRow = cell.row;
    state.cursorColumn = cell.column;
    state.currentChar = uint8_t(cell.row * 16 + cell.column);
    moveCursor(state, 0, 0);
}
