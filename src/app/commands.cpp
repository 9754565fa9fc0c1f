#include "app/commands.h"

#include "app/menu_bar.h"
#include "files/font_file.h"
#include "views/charset_view.h"

bool runMenuCommand(AppState&, int id) {
    switch (id) {
    case quitId:
        return false;
    default:
        return true;
    }
}

void runGadgetCommand(AppState&, int) {}

void handleDroppedFiles(AppState& state, int gadget, const std::string& names) {
    if (gadget == charsetView) {
        loadFontFile(state, names);
        refreshCharset(state);
    }
}
