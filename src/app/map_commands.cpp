#include "app/map_commands.h"

#include "app/refresh.h"
#include "charmap/map_edits.h"
#include "toolkit/windows.h"

using namespace toolkit;

void fitMapWindow(const Document& document) {
    resize_gadget(mapView, 0, 0, cellSize * document.mapWidth, cellSize * document.mapHeight);
    resize_window(mapWindow, keep_value, keep_value, gadget_width(mapView), gadget_height(mapView));
}

void setMapSize(AppState& state, MapSize size) {
    state.document.mapWidth = size.width;
    state.document.mapHeight = size.height;
    fitMapWindow(state.document);
    requestRedraw(state, redrawMap);
    hide_window(mapWindow, 0);
}

void fillMapWithCurrentChar(AppState& state) {
    Document& document = state.document;
    fillMap(document.mapCells, document.mapWidth, document.mapHeight, state.currentChar);
    requestRedraw(state, redrawMap);
}

void toggleGrid(AppState& state) {
    state.gridOnMap = !state.gridOnMap;
    requestRedraw(state, redrawMap);
}

void editMap(AppState& state, MapEdit edit) {
    if (state.popupColumn < 0 || state.popupRow < 0) return;
    using Edit = void (*)(MapCells&, int, int, int, int);
    static constexpr Edit edits[] = {insertMapChar, deleteMapChar,   insertMapLine,
                                     deleteMapLine, insertMapColumn, deleteMapColumn};
    Document& document = state.document;
    edits[int(edit)](document.mapCells, document.mapWidth, document.mapHeight, state.popupColumn,
                     state.popupRow);
    requestRedraw(state, redrawMap);
    state.popupColumn = -1;
    state.popupRow = -1;
}
