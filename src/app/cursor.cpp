#include "app/cursor.h"

#include "views/charset_image.h"

void selectCell(Editor& editor, WindowsState& windows, Cell cell) {
    editor.setCurrentChar((cell.row & 15) * 16 + (cell.column & 15));
    windows.feedback.statusTitle = {editor.currentChar(), windows.atariCodes};
}

void moveCursor(Editor& editor, WindowsState& windows, int dx, int dy) {
    const Cell cursor = charsetCell(editor.currentChar());
    selectCell(editor, windows, {cursor.column + dx, cursor.row + dy});
}
