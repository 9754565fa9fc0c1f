// The event loop: one event at a time, the Escape test after every wait, the dispatch of
// gadgets, menu ids, drops and close requests, and then the one refresh.
#include "app/charset_view_input.h"
#include "app/command_table.h"
#include "app/file_commands.h"
#include "app/gadget_input.h"
#include "app/glyph_editor_input.h"
#include "app/map_view_input.h"
#include "app/program.h"
#include "app/refresh.h"
#include "app/session_commands.h"
#include "app/undo_commands.h"
#include "toolkit/menus.h"
#include "toolkit/windows.h"

using namespace toolkit;

namespace {

void dispatchGadget(AppState& state, int gadget) {
    switch (gadget) {
    case charsetView:
        handleCharsetViewEvent(state);
        break;
    case glyphEditor:
        handleGlyphEditorEvent(state);
        break;
    case mapView:
        handleMapViewEvent(state);
        break;
    default:
        handleGadgetEvent(state, gadget);
        break;
    }
}

// False when the event ends the program.
bool dispatch(AppState& state, int kind) {
    switch (kind) {
    case files_dropped_event:
        handleDroppedFiles(state, event_gadget(), event_dropped_files());
        return true;
    case menu_event:
        runMenuCommand(state, event_menu());
        return !state.quitting;
    case close_window_event:
        if (event_window() == mainWindow) return false;
        if (event_window() == mapWindow) hide_window(mapWindow, 1);
        return true;
    case gadget_event:
        dispatchGadget(state, event_gadget());
        return true;
    case timer_event:
        if (event_gadget() == sessionTimer) keepSession(state);
        return true;
    default:
        return true;
    }
}

} // namespace

bool handleNextEvent(AppState& state) {
    const int kind = wait_window_event();
    // The key state, not a key event: Escape ends the program whichever gadget has the focus.
    if (is_key_down(vk_escape)) return false;
    if (!dispatch(state, kind)) return false;
    recordUndoStep(state);
    noteSessionChanges(state);
    refresh(state);
    return true;
}

void runEventLoop(AppState& state) {
    while (handleNextEvent(state)) {
    }
}
