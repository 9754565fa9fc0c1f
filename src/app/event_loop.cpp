// The event loop: one event at a time, the Escape test after every wait, and the dispatch of
// gadgets, menu ids, drops and close requests.
#include "app/charset_view_input.h"
#include "app/commands.h"
#include "app/glyph_editor_input.h"
#include "app/map_view_input.h"
#include "app/program.h"
#include "app/state/app_state.h"
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
        runGadgetCommand(state, gadget);
        break;
    }
}

} // namespace

bool handleNextEvent(AppState& state) {
    const int kind = wait_window_event();
    // The key state, not a key event: Escape ends the program whichever gadget has the focus.
    if (is_key_down(vk_escape)) return false;
    switch (kind) {
    case files_dropped_event:
        handleDroppedFiles(state, event_gadget(), event_dropped_files());
        break;
    case menu_event:
        state.atariCodes = false;
        return runMenuCommand(state, event_menu());
    case close_window_event:
        if (event_window() == mainWindow) return false;
        if (event_window() == mapWindow) hide_window(mapWindow, 1);
        break;
    case gadget_event:
        dispatchGadget(state, event_gadget());
        break;
    default:
        break;
    }
    return true;
}

void runEventLoop(AppState& state) {
    while (handleNextEvent(state)) {
    }
}
