#include "app/charset_view_input.h"

#include "app/canvas_cells.h"
#include "app/cursor.h"
#include "app/glyph_commands.h"
#include "app/refresh.h"
#include "editing/charset_edits.h"
#include "toolkit/menus.h"

using namespace toolkit;

namespace {

bool insideTable(Cell cell) {
    return cell.column >= 0 && cell.column <= 15 && cell.row >= 0 && cell.row <= 15;
}

// Feedback is drawn over the view as the charset picture and the cursor show it.
void showHover(AppState& state, Cell cell) {
    requestRedraw(state, redrawCharsetView);
    state.charsetFeedback = {.kind = CharsetFeedback::Kind::hover, .cell = cell};
}

// The grabbed glyph follows the pointer exactly; the cell it would land on is outlined.
void showDrag(AppState& state, Cell cell) {
    requestRedraw(state, redrawCharsetView);
    state.charsetFeedback = {.kind = CharsetFeedback::Kind::drag,
                             .cell = cell,
                             .source = state.dragSource,
                             .x = get_gadget_attribute(charsetView, attribute_mouse_x),
                             .y = get_gadget_attribute(charsetView, attribute_mouse_y)};
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
        insertGlyphAtCursor(state);
        break;
    case vk_delete:
        deleteGlyphAtCursor(state);
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
    dropGlyph(state.document.charset, state.dragSource, target, state.document.dragMode);
    requestRedraw(state, redrawGlyphViews);
}

} // namespace

void handleCharsetViewEvent(AppState& state) {
    const Cell cell = mouseCell(charsetView);
    switch (event_type()) {
    case right_click:
        selectCell(state, cell);
        // The popup offers the range commands for the glyph the user sees chosen.
        refresh(state);
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
        if (state.dragActive) requestRedraw(state, redrawCharsetView);
        state.dragActive = false;
        break;
    default:
        break;
    }
}
