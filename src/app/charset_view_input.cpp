#include "app/charset_view_input.h"

#include "app/canvas_cells.h"
#include "editing/charset_commands.h"
#include "toolkit/menus.h"
#include "views/charset_view.h"
#include "views/glyph_editor_view.h"
#include "views/status_texts.h"

using namespace toolkit;

namespace {

constexpr Color hoverColor = rgb(0, 255, 0);
constexpr Color dropTargetColor = 255; // red

bool insideTable(Cell cell) {
    return cell.column >= 0 && cell.column <= 15 && cell.row >= 0 && cell.row <= 15;
}

void selectCell(AppState& state, Cell cell) {
    state.cursorRow = cell.row;
    state.cursorColumn = cell.column;
    state.currentChar = uint8_t(cell.row * 16 + cell.column);
    drawGlyphEditor(state);
    moveCursor(state, 0, 0); // wraps a cell beyond the table back into it
}

void outlineCell(Cell cell, Color color) {
    set_drawing_mode(mode_outline);
    draw_box(cell.column * 16, cell.row * 16, 16, 16, color);
}

// The view as the charset image shows it, with the cursor; feedback is drawn on top.
void startFeedback(const AppState& state) {
    start_drawing(canvas_output(charsetView));
    draw_image(image_handle(charsetImage), 0, 0);
    drawCursorPattern(state);
}

void showHover(const AppState& state, Cell cell) {
    startFeedback(state);
    outlineCell(cell, hoverColor);
    stop_drawing();
}

// The grabbed glyph follows the pointer exactly; the cell it would land on is outlined.
void showDrag(const AppState& state, Cell cell) {
    const int source = state.dragSource;
    grab_image(charsetImage, dragImage, (source % 16) * 16, (source / 16) * 16, 16, 16);
    startFeedback(state);
    draw_image(image_handle(dragImage), get_gadget_attribute(charsetView, attribute_mouse_x),
               get_gadget_attribute(charsetView, attribute_mouse_y));
    outlineCell(cell, dropTargetColor);
    stop_drawing();
    free_image(dragImage);
}

void handleKey(AppState& state, int key) {
    switch (key) {
    case vk_up:
        moveCursor(state, 0, -1);
        break;
    case vk_down:
        moveCursor(state, 0, 1);
        break;
    case vk_left:
        moveCursor(state, -1, 0);
        break;
    case vk_right:
        moveCursor(state, 1, 0);
        break;
    case vk_insert:
        insertGlyph(state.charset, state.currentChar);
        refreshCharset(state);
        break;
    case vk_delete:
        deleteGlyph(state.charset, state.currentChar);
        refreshCharset(state);
        break;
    default:
        break;
    }
}

// A press over the border starts a drag from beyond the table, which carries no glyph.
bool carriesGlyph(const AppState& state) {
    return state.dragActive && state.dragSource != noDragSource;
}

void drop(AppState& state, Cell cell) {
    const int target = cell.row * 16 + cell.column;
    if (target == state.dragSource || !insideTable(cell)) return;
    dropGlyph(state.charset, state.dragSource, target, dragMode());
    refreshCharset(state);
}

} // namespace

void handleCharsetViewEvent(AppState& state) {
    const Cell cell = mouseCell(charsetView);
    switch (event_type()) {
    case right_click:
        selectCell(state, cell);
        if (menu_exists(rangePopupMenu)) show_popup_menu(rangePopupMenu, window_handle(mainWindow));
        break;
    case key_up:
        handleKey(state, get_gadget_attribute(charsetView, attribute_key));
        break;
    case mouse_move:
        if (carriesGlyph(state))
            showDrag(state, cell);
        else
            showHover(state, cell);
        break;
    case left_click:
        selectCell(state, cell);
        break;
    case left_button_down:
        if (!state.dragActive) {
            state.dragActive = true;
            state.dragSource = insideTable(cell) ? cell.row * 16 + cell.column : noDragSource;
        }
        break;
    case left_button_up:
        if (carriesGlyph(state)) drop(state, cell);
        state.dragActive = false;
        break;
    case capture_lost:
        // The release went elsewhere: the drag ends where it began, and its picture goes.
        if (state.dragActive) drawCharsetView(state);
        state.dragActive = false;
        break;
    default:
        break;
    }
}
