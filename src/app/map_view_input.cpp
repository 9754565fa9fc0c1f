#include "app/map_view_input.h"

#include "app/canvas_cells.h"
#include "toolkit/menus.h"
#include "views/map_view.h"
#include "views/status_texts.h"

using namespace toolkit;

namespace {

constexpr Color hoverColor = 255; // red

// The hidden column and row just beyond the map count too: a held button reaches them.
bool accepted(const AppState& state, Cell cell) {
    return cell.column >= 0 && cell.column <= state.mapWidth && cell.row >= 0 &&
           cell.row <= state.mapHeight;
}

void showHover(const AppState& state, Cell cell) {
    drawMap(state);
    start_drawing(canvas_output(mapView));
    set_drawing_mode(mode_outline);
    draw_box(cell.column * 16, cell.row * 16, 16, 16, hoverColor);
    stop_drawing();
    set_window_title(mapWindow,
                     mapHoverTitle(cell.column, cell.row, state.mapCells[cell.column][cell.row]));
}

} // namespace

void handleMapViewEvent(AppState& state) {
    const Cell cell = mouseCell(mapView);
    const int type = event_type();
    if (type == right_click && menu_exists(mapPopupMenu)) {
        state.popupColumn = cell.column;
        state.popupRow = cell.row;
        show_popup_menu(mapPopupMenu, window_handle(mapWindow));
    }
    if (type == mouse_move && accepted(state, cell)) showHover(state, cell);
    const bool leftHeld = get_gadget_attribute(mapView, attribute_buttons) & button_left;
    if ((type == left_button_down || (type == mouse_move && leftHeld)) && accepted(state, cell)) {
        state.mapCells[cell.column][cell.row] = state.currentChar;
        drawMap(state);
    }
}
