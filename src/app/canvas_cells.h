// The cell under the mouse on a canvas, and the painting strokes.
#pragma once

#include <algorithm>

#include "app/event.h"
#include "model/editor.h"
#include "toolkit/drawing.h"
#include "toolkit/windows.h"
#include "views/cells.h"

// Every position further out than this is as far outside every canvas; holding positions to it
// keeps the arithmetic on cells (row * 16 + column, column * 16) within an int.
constexpr int farthestPosition = 1 << 24;

// The cell of a position, truncating toward zero: with cells of 16, positions -15..15 all fall
// in cell 0.
inline int cellOf(int position, int size) {
    return toolkit::truncate_to_int(std::clamp(position, -farthestPosition, farthestPosition) /
                                    double(size));
}

// The cell under the mouse position of the event, on a canvas of cells `width` x `height`.
inline Cell eventCell(const Event& event, int width, int height) {
    return {cellOf(event.x, width), cellOf(event.y, height)};
}
// The same on the charset view or the map, whose cells show the document's glyphs.
inline Cell eventGlyphCell(const Event& event, const Document& document) {
    return eventCell(event, cellSize, glyphCellHeight(document.charset.height));
}

// A painting stroke runs from a button going down on the canvas until no button is held: all it
// paints becomes one undo step.
inline void followStroke(Editor& editor, const Event& event) {
    using namespace toolkit;
    const int type = event.type;
    if (type == left_button_down || type == right_button_down) editor.setStroking(true);
    const bool released = type == left_button_up || type == right_button_up ||
                          type == middle_button_up || type == capture_lost;
    if (released && event.buttons == 0) editor.setStroking(false);
}
