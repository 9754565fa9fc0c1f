#include "editing_scripts.h"

#include "toolkit/windows.h"

using namespace toolkit;

void scriptGlyphStrokes(Gridlet& g, int pixels) {
    constexpr int cells = 64;
    const auto centre = [](int cell) { return (cell % 8) * 16 + 8; };
    const auto middle = [](int cell) { return (cell / 8) * 16 + 8; };
    // The pointer is over the editor before the first press, as a user's would be.
    g.ui.move_on_canvas(glyphEditor, centre(0), middle(0));
    int held = 0;
    for (int i = 0; i < pixels; ++i) {
        const int cell = i % cells;
        if (cell == 0) {
            if (held) g.ui.release_on_canvas(glyphEditor, held, centre(0), middle(0));
            held = (i / cells) % 2 == 0 ? button_left : button_right;
            g.ui.press_on_canvas(glyphEditor, held, centre(cell), middle(cell));
        } else {
            g.ui.move_on_canvas(glyphEditor, centre(cell), middle(cell));
        }
    }
    if (held) g.ui.release_on_canvas(glyphEditor, held, centre(0), middle(0));
}

void scriptCursorMoves(Gridlet& g, int moves) {
    for (int i = 0; i < moves; ++i) g.tapKey(i % 16 == 15 ? vk_down : vk_right);
}
