#include "editing/charset_commands.h"

#include <algorithm>

#include "editing/glyph_transforms.h"
#include "toolkit/menus.h"
#include "toolkit/requesters.h"
#include "toolkit/windows.h"
#include "views/charset_view.h"
#include "views/map_view.h"
#include "views/status_texts.h"

using namespace toolkit;

namespace {
// Menu items whose check marks hold the drag mode.
constexpr int dragSwapItem = 18;
constexpr int dragCopyItem = 19;
} // namespace

void transformGlyphs(AppState& state, int mode) {
    int first = state.currentChar, last = state.currentChar;
    if (get_gadget_state(rangeCheckbox)) {
        const int begin = get_gadget_state(beginRangeTrackbar);
        const int end = get_gadget_state(endRangeTrackbar);
        first = std::min(begin, end);
        last = std::max(begin, end);
    }
    transformGlyphRange(state.charset, first, last, mode, state.bitReverse, state.rotateBuffer);
    refreshCharset(state);
}

void eraseCharset(AppState& state) {
    eraseCharset(state.charset);
    refreshCharset(state);
}

void setRangeBegin(const AppState& state) {
    set_gadget_state(beginRangeTrackbar, state.currentChar);
    updateRangeLabels();
}

void setRangeEnd(const AppState& state) {
    set_gadget_state(endRangeTrackbar, state.currentChar);
    updateRangeLabels();
}

void copyRangeToCurrent(AppState& state) {
    const int begin = get_gadget_state(beginRangeTrackbar);
    const int end = get_gadget_state(endRangeTrackbar);
    state.rangeLow = std::min(begin, end);
    state.rangeHigh = std::max(begin, end);
    if (!copyRangeToCurrent(state.charset, state.rangeLow, state.rangeHigh, state.currentChar)) {
        message_requester("Gridlet", "Range Error!", message_ok);
        return;
    }
    refreshCharset(state);
}

void setDragMode(DragMode mode) {
    set_menu_item_checked(mainMenu, dragSwapItem, mode == DragMode::swap);
    set_menu_item_checked(mainMenu, dragCopyItem, mode == DragMode::copy);
}

DragMode dragMode() {
    return get_menu_item_checked(mainMenu, dragSwapItem) ? DragMode::swap : DragMode::copy;
}

void chooseBitColor(AppState& state, bool forInk) {
    const int color = color_requester(-1);
    if (color == -1) return;
    (forInk ? state.inkColor : state.paperColor) = Color(color);
    refreshCharset(state);
    drawMap(state);
}
