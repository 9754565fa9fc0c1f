#include "app/gadget_input.h"

#include "app/command_table.h"
#include "app/refresh.h"
#include "toolkit/windows.h"

void handleGadgetEvent(AppState& state, int gadget) {
    using toolkit::get_gadget_state;
    Range& range = state.document.range;
    switch (gadget) {
    case beginRangeTrackbar:
        range.begin = get_gadget_state(beginRangeTrackbar);
        requestRedraw(state, redrawRangeLabels);
        break;
    case endRangeTrackbar:
        range.end = get_gadget_state(endRangeTrackbar);
        requestRedraw(state, redrawRangeLabels);
        break;
    case rangeCheckbox:
        range.enabled = get_gadget_state(rangeCheckbox) != 0;
        break;
    // The buttons run the shift commands of the Char menu, without its menu event.
    case shiftLeftButton:
        findCommand(shiftLeftId)->run(state);
        break;
    case shiftRightButton:
        findCommand(shiftRightId)->run(state);
        break;
    case shiftUpButton:
        findCommand(shiftUpId)->run(state);
        break;
    case shiftDownButton:
        findCommand(shiftDownId)->run(state);
        break;
    default:
        break;
    }
}
