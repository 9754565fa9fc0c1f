#include "app/charset_view_input.h"

#include "app/canvas_cells.h"
#include "app/color_commands.h"
#include "app/cursor.h"
#include "app/glyph_commands.h"
#include "editing/charset_edits.h"

using namespace toolkit;

namespace {

bool insideTable(Cell cell) {
    return cell.column >= 0 && cell.column <= 15 && cell.row >= 0 && cell.row <= 15;
}

// Feedback is drawn over the view as the charset picture and the cursor show it.
void showHover(WindowsState& windows, Cell cell) {
    windows.feedback.charset = {.kind = CharsetFeedback::Kind::hover, .cell = cell};
}

// The grabbed glyph follows the pointer exactly; the cell it would land on is outlined.
void showDrag(WindowsState& windows, Cell cell, const Event& event) {
    windows.feedback.charset = {.kind = CharsetFeedback::Kind::drag,
                                .cell = cell,
                                .source = windows.pointer.dragSource,
                                .x = event.x,
                                .y = event.y};
}

void handleKey(Editor& editor, WindowsState& windows, int key) {
    switch (key) {
    case vk_up:
        moveCursor(editor, windows, 0, -1);
        break;
    case vk_down:
        moveCursor(editor, windows, 0, 1);
        break;
    case vk_left:
        moveCursor(editor, windows, -1, 0);
        break;
    case vk_right:
        moveCursor(editor, windows, 1, 0);
        break;
    case vk_insert:
        insertGlyphAtCursor(editor);
        break;
    case vk_delete:
        deleteGlyphAtCursor(editor);
        break;
    case '1':
    case '2':
    case '3':
    case '4':
        choosePen(editor, Pen(key - '1'));
        break;
    default:
        break;
    }
}

// A press over the border starts a drag from beyond the table, which carries no glyph.
bool carriesGlyph(const WindowsState& windows) {
    return windows.pointer.dragActive && windows.pointer.dragSource != noDragSource;
}

void drop(Editor& editor, WindowsState& windows, Cell cell) {
    const int source = windows.pointer.dragSource, target = cell.row * 16 + cell.column;
    if (target == source || !insideTable(cell)) return;
    editor.changeGlyph(source);
    dropGlyph(editor.changeGlyphs(target, target), source, target, editor.document().dragMode);
}

} // namespace

void handleCharsetViewEvent(Editor& editor, WindowsState& windows, const Event& event,
                            FollowUp& followUp) {
    const Cell cell = eventGlyphCell(event, editor.document());
    switch (event.type) {
    case right_click:
        selectCell(editor, windows, cell);
        // The popup offers the range commands for the glyph the user sees chosen: it opens
        // after the refresh.
        followUp.popupMenu = rangePopupMenu;
        break;
    case key_up:
        handleKey(editor, windows, event.key);
        break;
    case mouse_move:
        if (carriesGlyph(windows))
            showDrag(windows, cell, event);
        else
            showHover(windows, cell);
        break;
    case left_click:
        selectCell(editor, windows, cell);
        break;
    case left_button_down:
        if (!windows.pointer.dragActive) {
            windows.pointer.dragActive = true;
            windows.pointer.dragSource =
                insideTable(cell) ? cell.row * 16 + cell.column : noDragSource;
        }
        break;
    case left_button_up:
        if (carriesGlyph(windows)) drop(editor, windows, cell);
        windows.pointer.dragActive = false;
        break;
    case capture_lost:
        // The release went elsewhere: the drag ends where it began, and its picture goes.
        if (windows.pointer.dragActive) windows.feedback.charset = {};
        windows.pointer.dragActive = false;
        break;
    default:
        break;
    }
}
