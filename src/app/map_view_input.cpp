#include "app/map_view_input.h"

#include "app/canvas_cells.h"
#include "app/refresh.h"
#include "toolkit/menus.h"

using namespace toolkit;

namespace {

// The hidden column and row just beyond the map count too: a held button reaches them.
bool accepted(const Document& document, Cell cell) {
    return cell.column >= 0 && cell.column <= document.mapWidth && cell.row >= 0 &&
           cell.row <= document.mapHeight;
}

} // namespace

void handleMapViewEvent(AppState& state) {
    const Cell cell = mouseCell(mapView);
    const int type = event_type();
    followStroke(state.stroking, mapView);
    if (type == right_click && menu_exists(mapPopupMenu)) {
        state.popupColumn = cell.column;
        state.popupRow = cell.row;
        show_popup_menu(mapPopupMenu, window_handle(mapWindow));
    }
    if (!accepted(state.document, cell)) return;
    const bool hovering = type == mouse_move;
    if (hovering) {
        requestRedraw(state, redrawMap | redrawMapTitle);
        state.mapOutline = cell;
        // The title names the code the cell holds after any paint below.
        state.mapTitleCell = cell;
    }
    const bool leftHeld = get_gadget_attribute(mapView, attribute_buttons) & button_left;
    if (type == left_button_down || (hovering && leftHeld)) {
        state.document.mapCells[cell.column][cell.row] = state.currentChar;
        requestRedraw(state, redrawMap);
    }
}
