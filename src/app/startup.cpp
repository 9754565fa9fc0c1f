// Start-up in its fixed order, and shutdown.
#include "app/program.h"

#include "app/main_window.h"
#include "app/menu_bar.h"
#include "charmap/map_commands.h"
#include "editing/glyph_transforms.h"
#include "files/font_file.h"
#include "toolkit/drawing.h"
#include "toolkit/menus.h"
#include "toolkit/texts.h"
#include "toolkit/windows.h"
#include "views/charset_view.h"
#include "views/glyph_editor_view.h"

using namespace toolkit;

bool startUp(AppState& state, Binding& binding, std::vector<std::string> parameters) {
    state = AppState{};
    start_toolkit(binding, std::move(parameters));
    state.baseTitle = "gridlet v2 0.9f";
    state.lastFolder = current_directory();
    state.popupColumn = -1;
    state.popupRow = -1;
    state.gridOnMap = true;

    if (!open_window(mainWindow, 0, 0, 640, 480, state.baseTitle,
                     window_caption | window_system_menu | window_minimise_box |
                         window_centre_on_screen)) {
        shutDown(state);
        return false;
    }
    createRangeControls();
    state.charset.fill(0);
    state.mapFileName = current_directory() + "charmap.map";
    if (count_program_parameters() == 1) loadFontFile(state, program_parameter(0));

    create_image(charsetImage, 256, 256);
    drawCharsetView(state);
    createEditorControls();
    drawGlyphEditor(state);
    createMenus();
    enable_gadget_drop(charsetView, drop_files, drop_copy);
    buildBitReverse(state.bitReverse);
    state.mapWidth = 40;
    state.mapHeight = 24;
    fillStartMap(state.mapCells);
    state.mapMargin = 10;
    openMapWindow(state);
    set_active_gadget(charsetView);
    return true;
}

int shutDown(AppState&) {
    shut_down_toolkit();
    return 0;
}

int runProgram(Binding& binding, std::vector<std::string> parameters) {
    AppState state;
    if (!startUp(state, binding, std::move(parameters))) return 0;
    runEventLoop(state);
    return shutDown(state);
}
