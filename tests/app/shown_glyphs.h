// What the views show for one glyph: its 8 x 8 pixels doubled into a 16 x 16 block, ink for the
// set bits and paper for the clear ones.
#pragma once

#include <gtest/gtest.h>

#include "app/app_state.h"
#include "toolkit/drawing.h"

// The block at (left, top) against glyph code of the state's charset, in the state's colours.
// skipEdges leaves out the block's top row and left column, where the map draws its grid.
inline ::testing::AssertionResult showsGlyph(const toolkit::PixelBuffer& buffer, int left, int top,
                                             const AppState& state, int code,
                                             bool skipEdges = false) {
    const int from = skipEdges ? 1 : 0;
    for (int y = from; y < 16; ++y) {
        for (int x = from; x < 16; ++x) {
            const bool set = state.editor.document().charset[code * 8 + y / 2] & (0x80 >> (x / 2));
            const toolkit::Color expected =
                set ? state.editor.document().inkColor : state.editor.document().paperColor;
            const toolkit::Color shown = buffer.color_at(left + x, top + y);
            if (shown != expected) {
                return ::testing::AssertionFailure()
                       << "glyph " << code << ": pixel (" << left + x << ", " << top + y << ") is "
                       << std::hex << shown << ", not " << expected;
            }
        }
    }
    return ::testing::AssertionSuccess();
}
