// The event loop: one event at a time, the Escape test after every wait, the dispatch of
// gadgets, menu ids, drops and close requests to their handlers, each given the event as a
// value; then the undo step, the kept session and the one refresh learn what changed.
#include <optional>
#include <utility>

#include "app/charset_view_input.h"
#include "app/colors_window_input.h"
#include "app/command_table.h"
#include "app/event.h"
#include "app/file_commands.h"
#include "app/gadget_input.h"
#include "app/glyph_editor_input.h"
#include "app/map_typing.h"
#include "app/map_view_input.h"
#include "app/menus.h"
#include "app/program.h"
#include "app/refresh.h"
#include "app/session_commands.h"
#include "toolkit/menus.h"
#include "toolkit/requesters.h"
#include "toolkit/windows.h"

using namespace toolkit;

namespace {

bool isColorRow(int gadget) {
    return gadget >= colorRowSwatches && gadget < colorRowSwatches + colorRowCount;
}

bool isCanvas(int gadget) {
    return gadget == charsetView || gadget == glyphEditor || gadget == mapView ||
           isColorRow(gadget);
}

// The toolkit's current event, read once.
Event readEvent(int kind) {
    Event event{.kind = kind, .window = event_window(), .gadget = event_gadget()};
    if (kind == menu_event) event.menu = event_menu();
    if (kind == files_dropped_event) event.files = event_dropped_files();
    if (kind == gadget_event && isCanvas(event.gadget)) {
        event.type = event_type();
        event.x = get_gadget_attribute(event.gadget, attribute_mouse_x);
        event.y = get_gadget_attribute(event.gadget, attribute_mouse_y);
        event.buttons = get_gadget_attribute(event.gadget, attribute_buttons);
        event.key = get_gadget_attribute(event.gadget, attribute_key);
        event.modifiers = get_gadget_attribute(event.gadget, attribute_modifiers);
        event.character = get_gadget_attribute(event.gadget, attribute_character);
    }
    return event;
}

void dispatchGadget(AppState& state, const Event& event, FollowUp& followUp) {
    switch (event.gadget) {
    case charsetView:
        handleCharsetViewEvent(state.editor, state.windows, event, followUp);
        break;
    case glyphEditor:
        handleGlyphEditorEvent(state.editor, event);
        break;
    case mapView:
        handleMapViewEvent(state.editor, state.windows, event, followUp);
        break;
    default:
        if (isColorRow(event.gadget))
            handleColorRowEvent(state.editor, event);
        else
            handleGadgetEvent(state, event, followUp);
        break;
    }
}

// False when the event ends the program.
bool dispatch(AppState& state, const Event& event, FollowUp& followUp) {
    switch (event.kind) {
    case files_dropped_event:
        handleDroppedFiles(state, event.gadget, event.files);
        return true;
    case menu_event:
        return runMenuCommand(state, event.menu, event.window, followUp);
    case close_window_event:
        if (event.window == mainWindow) return false;
        // The other windows only hide; their menu commands show them again.
        if (event.window == mapWindow || event.window == colorsWindow) hide_window(event.window, 1);
        return true;
    case gadget_event:
        dispatchGadget(state, event, followUp);
        return true;
    case timer_event:
        if (event.gadget == sessionTimer) keepSession(state.session, state.editor);
        return true;
    default:
        return true;
    }
}

// A recent file opened or saved: the menu bar is made anew to show the list.
void showRecentFiles(AppState& state) {
    if (!std::exchange(state.session.recentFilesChanged, false) || !menu_exists(mainMenu)) return;
    createMainMenu(state.session.recentFiles);
    state.windows.shown.gadgetsShown = false; // the new bar shows its marks and greying afresh
}

// What an event leaves for after the refresh: a popup menu over the view it was asked on, a
// message over the views it follows.
void afterRefresh(const FollowUp& followUp) {
    if (const int menu = followUp.popupMenu; menu >= 0 && menu_exists(menu))
        show_popup_menu(menu, window_handle(menu == mapPopupMenu ? mapWindow : mainWindow));
    if (const std::optional<Telling>& telling = followUp.telling)
        message_requester(telling->title, telling->text, message_ok);
}

} // namespace

bool handleNextEvent(AppState& state) {
    const int kind = wait_window_event();
    // The key state, not a key event: Escape ends the program whichever gadget has the focus.
    if (is_key_down(vk_escape)) return false;
    const Event event = readEvent(kind);
    // Typing before other input is an undo step of its own.
    if (endsTypingRun(event) || (kind == gadget_event && !isCanvas(event.gadget)))
        endTypingRun(state.editor, state.windows.typing);
    FollowUp followUp;
    if (!dispatch(state, event, followUp)) return false;
    state.editor.recordStep();
    noteSessionChanges(state.session, state.editor);
    showRecentFiles(state);
    refresh(state);
    afterRefresh(followUp);
    return true;
}

void runEventLoop(AppState& state) {
    while (handleNextEvent(state)) {
    }
}
