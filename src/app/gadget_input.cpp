#include "app/gadget_input.h"

#include "app/command_table.h"
#include "toolkit/windows.h"

void handleGadgetEvent(AppState& state, const Event& event, FollowUp& followUp) {
    using toolkit::get_gadget_state;
    switch (event.gadget) {
    case beginRangeTrackbar:
        state.editor.changeRange().begin = get_gadget_state(beginRangeTrackbar);
        break;
    case endRangeTrackbar:
        state.editor.changeRange().end = get_gadget_state(endRangeTrackbar);
        break;
    case rangeCheckbox:
        state.editor.changeRange().enabled = get_gadget_state(rangeCheckbox) != 0;
        break;
    // The buttons run the shift commands of the Char menu, without its menu event.
    case shiftLeftButton:
        runCommand(state, shiftLeftId, followUp);
        break;
    case shiftRightButton:
        runCommand(state, shiftRightId, followUp);
        break;
    case shiftUpButton:
        runCommand(state, shiftUpId, followUp);
        break;
    case shiftDownButton:
        runCommand(state, shiftDownId, followUp);
        break;
    default:
        break;
    }
}
