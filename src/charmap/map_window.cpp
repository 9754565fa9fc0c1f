#include "charmap/map_window.h"

#include "charmap/map_commands.h"
#include "toolkit/menus.h"
#include "toolkit/windows.h"
#include "views/map_view.h"

using namespace toolkit;

namespace {
constexpr int gridOnMapItem = 27;
}

void setMapSize(AppState& state, int width, int height) {
    state.mapWidth = width;
    state.mapHeight = height;
    resize_gadget(mapView, 0, 0, 16 * width, 16 * height);
    resize_window(mapWindow, keep_value, keep_value, gadget_width(mapView), gadget_height(mapView));
    drawMap(state);
    hide_window(mapWindow, 0);
}

void fillMap(AppState& state) {
    fillMap(state.mapCells, state.mapWidth, state.mapHeight, state.currentChar);
    drawMap(state);
}

void toggleGrid(AppState& state) {
    state.gridOnMap = !state.gridOnMap;
    set_menu_item_checked(mainMenu, gridOnMapItem, state.gridOnMap);
    drawMap(state);
}

void editMap(AppState& state, MapEdit edit) {
    if (state.popupColumn < 0 || state.popupRow < 0) return;
    using Command = void (*)(MapCells&, int, int, int, int);
    static constexpr Command commands[] = {insertMapChar, deleteMapChar,   insertMapLine,
                                           deleteMapLine, insertMapColumn, deleteMapColumn};
    commands[int(edit)](state.mapCells, state.mapWidth, state.mapHeight, state.popupColumn,
                        state.popupRow);
    drawMap(state);
    state.popupColumn = -1;
    state.popupRow = -1;
}
