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

void moveCursor(MapTyping& typing, const Document& document, Cell to) {
    typing.cursor = clampToMap(document, to);
    typing.selection.reset();
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
void writeAt(Editor& editor, MapTyping& typing, Cell cell, int code, bool painting = true) {
    editor.setStroking(true);
    typing.run = true;
    const Document& document = editor.document();
    fillMapBox(editor, {cell.column, cell.row, 1, 1}, code,
               painting ? paintingColor(document.colorMode, document.machineColors) : -1);
}

void typeCharacter(Editor& editor, MapTyping& typing, char32_t character) {
    const Document& document = editor.document();
    const std::optional<uint8_t> code = codeOfCharacter(document.textEncoding, character);
    if (!code) return noteNoCode(typing, character);
    const Cell cursor = clampToMap(document, typing.cursor);
    writeAt(editor, typing, cursor, *code);
    moveCursor(typing, document, cellAfter(document, cursor));
}

void pressKey(Editor& editor, MapTyping& typing, int key) {
    const Document& document = editor.document();
    const Cell cursor = clampToMap(document, typing.cursor);
    switch (key) {
    case vk_backspace:
        if (cursor == Cell{0, 0}) return;
        moveCursor(typing, document, cellBefore(document, cursor));
        writeAt(editor, typing, typing.cursor, spaceCode(document));
        return;
    case vk_return:
        moveCursor(typing, document, {0, cursor.row + 1});
        return;
    case vk_delete:
        if (typing.selection) {
            fillMapBox(editor, *typing.selection, spaceCode(document), -1);
        } else {
            writeAt(editor, typing, cursor, spaceCode(document), false);
        }
        return;
    case vk_left:
        return moveCursor(typing, document, {cursor.column - 1, cursor.row});
    case vk_right:
        return moveCursor(typing, document, {cursor.column + 1, cursor.row});
    case vk_up:
        return moveCursor(typing, document, {cursor.column, cursor.row - 1});
    case vk_down:
        return moveCursor(typing, document, {cursor.column, cursor.row + 1});
    case vk_home:
        return moveCursor(typing, document, {0, cursor.row});
    case vk_end:
        return moveCursor(typing, document, {document.mapWidth - 1, cursor.row});
    default:
        return;
    }
}

// The button down places the cursor; dragging from there selects the cells between.
void selectWithButton(MapTyping& typing, const Document& document, const Event& event) {
    const Cell cell = clampToMap(document, eventGlyphCell(event, document));
    if (event.type == left_button_down) {
        moveCursor(typing, document, cell);
        typing.anchor = cell;
        return;
    }
    if (!typing.anchor || !(event.buttons & button_left)) return;
    const Cell anchor = *typing.anchor;
    std::optional<CellBox> selection;
    if (cell != anchor)
        selection =
            CellBox{std::min(anchor.column, cell.column), std::min(anchor.row, cell.row),
                    std::abs(cell.column - anchor.column) + 1, std::abs(cell.row - anchor.row) + 1};
    if (selection == typing.selection) return;
    typing.selection = selection;
}

} // namespace

void toggleTypingText(Editor& editor, MapTyping& typing) {
    endTypingRun(editor, typing);
    typing.on = !typing.on;
    typing.cursor = {0, 0};
    typing.selection.reset();
    typing.anchor.reset();
}

bool handleTypingEvent(Editor& editor, MapTyping& typing, const Event& event) {
    const bool typed = event.type == character_input || event.type == key_down;
    if (typed && !typing.titleNote.empty()) {
        typing.titleNote.clear();
    }
    if (event.type == character_input) {
        // 127 is Delete as some systems send it, no character.
        if (event.character != 127) typeCharacter(editor, typing, char32_t(event.character));
        return true;
    }
    if (event.type == key_down) {
        pressKey(editor, typing, event.key);
        return true;
    }
    if (event.type == left_button_up) typing.anchor.reset();
    const bool leftButton = event.type == left_button_down ||
                            (event.type == mouse_move && (event.buttons & button_left)) ||
                            event.type == left_button_up || event.type == left_click;
    if (leftButton) selectWithButton(typing, editor.document(), event);
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

void endTypingRun(Editor& editor, MapTyping& typing) {
    if (!std::exchange(typing.run, false)) return;
    editor.setStroking(false);
    editor.recordStep();
}

void noteNoCode(MapTyping& typing, char32_t character) {
    typing.titleNote = "Character map: \"";
    appendUtf8(typing.titleNote, character);
    typing.titleNote += "\" has no code in this set";
}

int spaceCode(const Document& document) {
    return codeOfCharacter(document.textEncoding, U' ').value_or(32);
}
