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

void outlineHoveredCell(const AppState& state, Cell cell) {
    drawMap(state);
    start_drawing(canvas_output(mapView));
    set_drawing_mode(mode_outline);
    draw_box(cell.column * 16, cell.row * 16, 16, 16, hoverColor);
    stop_drawing();
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
    if (!accepted(state, cell)) return;
    const bool hovering = type == mouse_move;
    if (hovering) outlineHoveredCell(state, cell);
    const bool leftHeld = get_gadget_attribute(mapView, attribute_buttons) & button_left;
    if (type == left_button_down || (hovering && leftHeld)) {
        state.mapCells[cell.column][cell.row] = state.currentChar;
        drawMap(state);
    }
    // Written last, so that it names the code the cell holds now.
    if (hovering)
        set_window_title(
            mapWindow, mapHoverTitle(cell.column, cell.row, state.mapCells[cell.column][cell.row]));
}
