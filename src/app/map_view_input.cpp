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

void handleMapViewEvent(Editor& editor, WindowsState& windows, const Event& event) {
    const Cell cell = eventCell(event);
    const int type = event.type;
    followStroke(editor, event);
    if (type == right_click && menu_exists(mapPopupMenu)) {
        windows.popupCell = cell;
        windows.popupAfterRefresh = mapPopupMenu;
    }
    if (!accepted(editor.document(), cell)) return;
    const bool hovering = type == mouse_move;
    if (hovering) {
        requestRedraw(windows, redrawMap | redrawMapTitle);
        windows.mapOutline = cell;
        // The title names the code the cell holds after any paint below.
        windows.mapTitleCell = cell;
    }
    if (type == left_button_down || (hovering && (event.buttons & button_left))) {
        // A cell that already holds the code is no edit.
        if (editor.document().mapCells[cell.column][cell.row] != editor.currentChar())
            editor.changeCell(cell.column, cell.row) = editor.currentChar();
        requestRedraw(windows, redrawMap);
    }
}
