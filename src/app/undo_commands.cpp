#include "app/undo_commands.h"

#include "app/cursor.h"
#include "app/map_commands.h"
#include "views/charset_image.h"

namespace {

// Takes a step, then shows it: the map window takes the map's size again when it changed.
void takeStep(Editor& editor, WindowsState& windows, std::optional<int> (Editor::*step)()) {
    const Document& document = editor.document();
    const int width = document.mapWidth, height = document.mapHeight;
    const std::optional<int> glyph = (editor.*step)();
    if (!glyph) return;
    if (document.mapWidth != width || document.mapHeight != height) fitMapWindow(document);
    if (*glyph >= 0) selectCell(editor, windows, charsetCell(*glyph));
}

} // namespace

void undo(Editor& editor, WindowsState& windows) {
    takeStep(editor, windows, &Editor::undo);
}

void redo(Editor& editor, WindowsState& windows) {
    takeStep(editor, windows, &Editor::redo);
}
