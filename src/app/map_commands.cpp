#include "app/map_commands.h"

#include "app/refresh.h"
#include "charmap/map_edits.h"
#include "toolkit/windows.h"

using namespace toolkit;

void fitMapWindow(const Document& document) {
    resize_gadget(mapView, 0, 0, cellSize * document.mapWidth, cellSize * document.mapHeight);
    resize_window(mapWindow, keep_value, keep_value, gadget_width(mapView), gadget_height(mapView));
}

void setMapSize(Editor& editor, WindowsState& windows, MapSize size) {
    editor.setMapSize(size.width, size.height);
    fitMapWindow(editor.document());
    requestRedraw(windows, redrawMap);
    hide_window(mapWindow, 0);
}

void fillMapWithCurrentChar(Editor& editor, WindowsState& windows) {
    const Document& document = editor.document();
    fillMap(editor.changeCells(), document.mapWidth, document.mapHeight, editor.currentChar());
    requestRedraw(windows, redrawMap);
}

void toggleGrid(Editor& editor, WindowsState& windows) {
    editor.setGridOnMap(!editor.document().gridOnMap);
    requestRedraw(windows, redrawMap);
}

void editMap(Editor& editor, WindowsState& windows, MapEdit edit) {
    const Cell cell = windows.popupCell;
    if (cell.column < 0 || cell.row < 0) return;
    using Edit = void (*)(MapCells&, int, int, int, int);
    static constexpr Edit edits[] = {insertMapChar, deleteMapChar,   insertMapLine,
                                     deleteMapLine, insertMapColumn, deleteMapColumn};
    const Document& document = editor.document();
    edits[int(edit)](editor.changeCells(), document.mapWidth, document.mapHeight, cell.column,
                     cell.row);
    requestRedraw(windows, redrawMap);
    windows.popupCell = {-1, -1};
}
