// What each pixel of the views should be, stated pixel by pixel rather than box by box, to
// check the renderers' box drawing (run merging included) against.
#pragma once

#include "app/app_state.h"

// A pixel of a cell showing the glyph at twice its size; (dx, dy) within the cell, 0..15.
inline toolkit::Color doubledGlyphPixel(const AppState& state, int code, int dx, int dy) {
    const uint8_t row = state.editor.document().charset[code * 8 + dy / 2];
    return (row & (128 >> (dx / 2))) ? state.editor.document().inkColor
                                     : state.editor.document().paperColor;
}

// A pixel of the glyph editor.
inline toolkit::Color glyphEditorPixel(const AppState& state, int x, int y) {
    if (x % 16 == 0) return y % 2 == 0 ? 0xFFFFFF : 0x000000;
    if (y % 16 == 0) return x % 2 == 0 ? 0xFFFFFF : 0x000000;
    const bool gap = x % 16 == 15 || y % 16 == 15;
    const uint8_t row = state.editor.document().charset[state.editor.currentChar() * 8 + y / 16];
    return !gap && (row & (128 >> (x / 16))) ? state.editor.document().inkColor
                                             : state.editor.document().paperColor;
}

// A pixel of the visible part of the map view.
inline toolkit::Color mapPixel(const AppState& state, int x, int y) {
    const int dx = x % 16;
    const int dy = y % 16;
    if (state.editor.document().gridOnMap && dx == 0)
        return dy % 2 == 0 ? state.editor.document().paperColor : state.editor.document().inkColor;
    if (state.editor.document().gridOnMap && dy == 0)
        return dx % 2 == 0 ? state.editor.document().inkColor : state.editor.document().paperColor;
    return doubledGlyphPixel(state, state.editor.document().mapCells[x / 16][y / 16], dx, dy);
}
