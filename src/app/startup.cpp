// Start-up in its fixed order, and shutdown.
#include "app/file_commands.h"
#include "app/file_loading.h"
#include "app/main_window.h"
#include "app/menus.h"
#include "app/program.h"
#include "app/program_title.h"
#include "app/project_commands.h"
#include "app/refresh.h"
#include "app/session_commands.h"
#include "charmap/map_edits.h"
#include "toolkit/drawing.h"
#include "toolkit/menus.h"
#include "toolkit/texts.h"
#include "toolkit/windows.h"
#include "views/charset_image.h"

using namespace toolkit;

bool startUp(AppState& state, Binding& binding, std::vector<std::string> parameters) {
    state = AppState{};
    WindowsState& windows = state.windows;
    start_toolkit(binding, std::move(parameters));
    windows.files.lastFolder = current_directory();
    readKeptFiles(state.session);
    keepInPlaceBackups();

    if (!open_window(mainWindow, 0, 0, mainWindowWidth, mainWindowLeastHeight, programTitle,
                     window_caption | window_system_menu | window_minimise_box |
                         window_centre_on_screen)) {
        shutDown(state);
        return false;
    }
    createRangeControls();
    windows.files.mapFileName = current_directory() + "charmap.map";
    const bool oneFile = count_program_parameters() == 1;
    const bool project =
        oneFile && useOfFile(program_parameter(0), FileUse::font) == FileUse::project;
    if (oneFile && !project) loadFontFile(state, program_parameter(0));

    create_image(charsetImage, charsetImageWidth, charsetImageHeight(machineGlyphHeight));
    createEditorControls();
    // The charset view and the glyph editor are drawn before the map window exists, so the
    // map is first drawn when a map size shows it.
    refresh(state);
    createMenus(state.session.recentFiles);
    state.session.recentFilesChanged = false; // the new bar shows them
    enable_gadget_drop(charsetView, drop_files, drop_copy);
    fillStartMap(state.editor.changeCells());
    openMapWindow(windows);
    addShortcuts(mapWindow);
    openColorsWindow(windows);
    addShortcuts(colorsWindow);
    // A project fills the map too, so it comes once the start map and its window are there.
    if (project) loadProjectFile(state, program_parameter(0));
    set_active_gadget(charsetView);
    state.editor.startHistory();
    startKeepingSession(state.session, state.editor);
    refresh(state); // the check marks and the greyed items
    tellLeftoverBackups();
    return true;
}

// Nothing is asked; what the user made is kept for "Restore last session".
int shutDown(AppState& state) {
    if (state.session.keeping) keepSessionAtQuit(state.session, state.editor);
    shut_down_toolkit();
    return 0;
}

int runProgram(Binding& binding, std::vector<std::string> parameters) {
    AppState state;
    if (!startUp(state, binding, std::move(parameters))) return 0;
    runEventLoop(state);
    return shutDown(state);
}
