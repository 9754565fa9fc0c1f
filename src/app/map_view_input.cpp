#include "app/map_view_input.h"

#include "app/canvas_cells.h"
#include "app/map_typing.h"
#include "toolkit/menus.h"

using namespace toolkit;

namespace {

// The hidden column and row just beyond the map count too: a held button reaches them.
bool accepted(const Document& document, Cell cell) {
    return cell.column >= 0 && cell.column <= document.mapWidth && cell.row >= 0 &&
           cell.row <= document.mapHeight;
}

// The current char and, in a mode with cell colours, the painting colour; with Shift only the
// colour, while in a mode without them Shift changes nothing. A cell that already holds them is
// no edit.
void paintCell(Editor& editor, Cell cell, bool shift) {
    const Document& document = editor.document();
    const int color = paintingColor(document.colorMode, document.machineColors);
    const bool colorOnly = shift && color >= 0;
    if (!colorOnly && document.mapCells[cell.column][cell.row] != editor.currentChar())
        editor.changeCell(cell.column, cell.row) = editor.currentChar();
    if (color >= 0 && document.mapColors[cell.column][cell.row] != color)
        editor.changeCellColor(cell.column, cell.row) = uint8_t(color);
}

} // namespace

void handleMapViewEvent(Editor& editor, WindowsState& windows, const Event& event,
                        FollowUp& followUp) {
    if (windows.typing.on && handleTypingEvent(editor, windows.typing, event)) return;
    const Cell cell = eventGlyphCell(event, editor.document());
    const int type = event.type;
    followStroke(editor, event);
    if (type == right_click && menu_exists(mapPopupMenu)) {
        windows.pointer.popupCell = cell;
        followUp.popupMenu = mapPopupMenu;
    }
    if (!accepted(editor.document(), cell)) return;
    const bool hovering = type == mouse_move;
    if (hovering) windows.feedback.mapOutline = cell;
    if (type == left_button_down || (hovering && (event.buttons & button_left))) {
        paintCell(editor, cell, (event.modifiers & modifier_shift) != 0);
        windows.feedback.mapOutline.reset(); // the painted cells show under the pointer unmarked
    }
    // The title names the code the cell holds after any paint.
    if (hovering)
        windows.feedback.mapTitle =
            MapTitle{cell, editor.document().mapCells[size_t(cell.column)][size_t(cell.row)]};
}
