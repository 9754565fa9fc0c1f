#include "app/map_typing.h"

#include <algorithm>
#include <utility>

#include "app/canvas_cells.h"
#include "charmap/map_blocks.h"
#include "files/utf8.h"

using namespace toolkit;

namespace {

Cell lastCell(const Document& document) {
    return {document.mapWidth - 1, document.mapHeight - 1};
}

Cell clampToMap(const Document& document, Cell cell) {
    const Cell last = lastCell(document);
    return {std::clamp(cell.column, 0, last.column), std::clamp(cell.row, 0, last.row)};
}

void moveCursor(WindowsState& windows, const Document& document, Cell to) {
    windows.textCursor = clampToMap(document, to);
    windows.mapSelection.reset();
}

// The next cell, on the next line after the right edge; the last cell stays.
Cell cellAfter(const Document& document, Cell cell) {
    if (cell.column + 1 < document.mapWidth) return {cell.column + 1, cell.row};
    if (cell.row + 1 < document.mapHeight) return {0, cell.row + 1};
    return cell;
}

Cell cellBefore(const Document& document, Cell cell) {
    if (cell.column > 0) return {cell.column - 1, cell.row};
    if (cell.row > 0) return {document.mapWidth - 1, cell.row - 1};
    return cell;
}

// A run of typing is one undo step: it holds the step open as a painting stroke does. A typed
// cell takes the painting colour; a cleared one keeps its colour.
void writeAt(Editor& editor, WindowsState& windows, Cell cell, int code, bool painting = true) {
    editor.setStroking(true);
    windows.typingRun = true;
    const Document& document = editor.document();
    fillMapBox(editor, {cell.column, cell.row, 1, 1}, code,
               painting ? paintingColor(document.colorMode, document.machineColors) : -1);
}

void typeCharacter(Editor& editor, WindowsState& windows, char32_t character) {
    const Document& document = editor.document();
    const std::optional<uint8_t> code = codeOfCharacter(document.textEncoding, character);
    if (!code) return noteNoCode(windows, character);
    const Cell cursor = clampToMap(document, windows.textCursor);
    writeAt(editor, windows, cursor, *code);
    moveCursor(windows, document, cellAfter(document, cursor));
}

void pressKey(Editor& editor, WindowsState& windows, int key) {
    const Document& document = editor.document();
    const Cell cursor = clampToMap(document, windows.textCursor);
    switch (key) {
    case vk_backspace:
        if (cursor == Cell{0, 0}) return;
        moveCursor(windows, document, cellBefore(document, cursor));
        writeAt(editor, windows, windows.textCursor, spaceCode(document));
        return;
    case vk_return:
        moveCursor(windows, document, {0, cursor.row + 1});
        return;
    case vk_delete:
        if (windows.mapSelection) {
            fillMapBox(editor, *windows.mapSelection, spaceCode(document), -1);
        } else {
            writeAt(editor, windows, cursor, spaceCode(document), false);
        }
        return;
    case vk_left:
        return moveCursor(windows, document, {cursor.column - 1, cursor.row});
    case vk_right:
        return moveCursor(windows, document, {cursor.column + 1, cursor.row});
    case vk_up:
        return moveCursor(windows, document, {cursor.column, cursor.row - 1});
    case vk_down:
        return moveCursor(windows, document, {cursor.column, cursor.row + 1});
    case vk_home:
        return moveCursor(windows, document, {0, cursor.row});
    case vk_end:
        return moveCursor(windows, document, {document.mapWidth - 1, cursor.row});
    default:
        return;
    }
}

// The button down places the cursor; dragging from there selects the cells between.
void selectWithButton(WindowsState& windows, const Document& document, const Event& event) {
    const Cell cell = clampToMap(document, eventCell(event));
    if (event.type == left_button_down) {
        moveCursor(windows, document, cell);
        windows.selectionAnchor = cell;
        return;
    }
    if (!windows.selectionAnchor || !(event.buttons & button_left)) return;
    const Cell anchor = *windows.selectionAnchor;
    std::optional<CellBox> selection;
    if (cell != anchor)
        selection =
            CellBox{std::min(anchor.column, cell.column), std::min(anchor.row, cell.row),
                    std::abs(cell.column - anchor.column) + 1, std::abs(cell.row - anchor.row) + 1};
    if (selection == windows.mapSelection) return;
    windows.mapSelection = selection;
}

} // namespace

void toggleTypingText(Editor& editor, WindowsState& windows) {
    endTypingRun(editor, windows);
    windows.typingText = !windows.typingText;
    windows.textCursor = {0, 0};
    windows.mapSelection.reset();
    windows.selectionAnchor.reset();
}

bool handleTypingEvent(Editor& editor, WindowsState& windows, const Event& event) {
    const bool typed = event.type == character_input || event.type == key_down;
    if (typed && !windows.mapTitleNote.empty()) {
        windows.mapTitleNote.clear();
    }
    if (event.type == character_input) {
        // 127 is Delete as some systems send it, no character.
        if (event.character != 127) typeCharacter(editor, windows, char32_t(event.character));
        return true;
    }
    if (event.type == key_down) {
        pressKey(editor, windows, event.key);
        return true;
    }
    if (event.type == left_button_up) windows.selectionAnchor.reset();
    const bool leftButton = event.type == left_button_down ||
                            (event.type == mouse_move && (event.buttons & button_left)) ||
                            event.type == left_button_up || event.type == left_click;
    if (leftButton) selectWithButton(windows, editor.document(), event);
    return leftButton;
}

bool endsTypingRun(const Event& event) {
    if (event.kind == menu_event || event.kind == files_dropped_event ||
        event.kind == close_window_event)
        return true;
    if (event.kind != gadget_event) return false; // timers, activation, repaints
    const bool pointerOnly = (event.type == mouse_move && event.buttons == 0) ||
                             event.type == mouse_enter || event.type == mouse_leave ||
                             event.type == focus_gained || event.type == focus_lost ||
                             event.type == capture_lost;
    if (pointerOnly) return false;
    // Keys of another view edit there (the charset view's Delete acts on the key's release).
    if (event.gadget != mapView) return true;
    // End, Home and the arrows: the cursor moves elsewhere.
    const bool cursorKey = event.type == key_down && event.key >= vk_end && event.key <= vk_down;
    const bool typing = event.type == character_input || event.type == key_up ||
                        (event.type == key_down && !cursorKey);
    return !typing;
}

void endTypingRun(Editor& editor, WindowsState& windows) {
    if (!std::exchange(windows.typingRun, false)) return;
    editor.setStroking(false);
    editor.recordStep();
}

void noteNoCode(WindowsState& windows, char32_t character) {
    windows.mapTitleNote = "Character map: \"";
    appendUtf8(windows.mapTitleNote, character);
    windows.mapTitleNote += "\" has no code in this set";
}

int spaceCode(const Document& document) {
    return codeOfCharacter(document.textEncoding, U' ').value_or(32);
}
