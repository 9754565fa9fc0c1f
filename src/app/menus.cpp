#include "app/menus.h"

#include <span>

#include "app/command_table.h"
#include "app/windows_state.h"
#include "toolkit/menus.h"
#include "toolkit/requesters.h"

using namespace toolkit;

namespace {

// Where the commands stand: drop-downs, submenus and separators around them.
struct Place {
    enum class Kind { title, submenu, end, separator, item, recentFiles } kind;
    int id = -1;
    const char* text = "";
};

constexpr Place title(const char* text) {
    return {Place::Kind::title, -1, text};
}
constexpr Place submenu(const char* text) {
    return {Place::Kind::submenu, -1, text};
}
constexpr Place end{Place::Kind::end};
constexpr Place separator{Place::Kind::separator};
constexpr Place item(MenuId id) {
    return {Place::Kind::item, id};
}

constexpr Place mainMenuPlaces[] = {
    title("File"),
    item(openId),
    submenu("Open recent"),
    Place{Place::Kind::recentFiles},
    end,
    item(restoreSessionId),
    submenu("Save"),
    item(saveProjectId),
    separator,
    item(saveZxFontId),
    item(saveAtariFontId),
    item(saveIbmFontId),
    separator,
    item(saveMapId),
    item(saveMapColorsId),
    item(saveImageId),
    end,
    submenu("Export"),
    item(exportPngId),
    item(exportPsfId),
    item(exportBdfId),
    item(exportC64Id),
    separator,
    item(exportCSourceId),
    item(exportAssemblerId),
    item(exportBasicId),
    separator,
    item(exportMapCSourceId),
    item(exportMapPictureId),
    separator,
    item(exportCharpadId),
    item(exportVchar64Id),
    item(exportPetmateId),
    separator,
    item(exportC64ProgramId),
    item(exportAtariExecutableId),
    item(exportSpectrumScreenId),
    item(exportSpectrumTapeId),
    end,
    item(quitId),

    title("Edit"),
    item(undoId),
    item(redoId),
    separator,
    item(cutId),
    item(copyId),
    item(pasteId),

    title("Char"),
    submenu("Map"),
    item(mapZxId),
    item(mapAtariId),
    item(mapC64Id),
    item(mapPcId),
    item(mapUssrId),
    separator,
    item(fillMapId),
    item(gridOnMapId),
    item(typeTextId),
    end,
    submenu("Charset"),
    item(charsetIbmCgaId),
    item(charsetIbm866Id),
    separator,
    item(charsetZxSpectrumId),
    item(charsetZx80Id),
    item(charsetJupiterAceId),
    separator,
    item(charsetC64Id),
    item(charsetC64LowerId),
    item(charsetAtariId),
    item(charsetMicroshaId),
    separator,
    item(charsetHexId),
    end,
    separator,
    item(dragSwapId),
    item(dragCopyId),
    separator,
    item(rotateClockwiseId),
    item(rotateAnticlockwiseId),
    separator,
    item(paperColorId),
    item(inkColorId),
    submenu("Glyph height"),
    item(MenuId(glyphHeightId + 0)),
    item(MenuId(glyphHeightId + 1)),
    item(MenuId(glyphHeightId + 2)),
    item(otherGlyphHeightId),
    end,
    submenu("Colour mode"),
    item(MenuId(colorModeId + 0)),
    item(MenuId(colorModeId + 1)),
    item(MenuId(colorModeId + 2)),
    item(MenuId(colorModeId + 3)),
    item(MenuId(colorModeId + 4)),
    end,
    item(colorsWindowId),
    separator,
    item(eraseCharsetId),
    item(clearCharId),
    item(invertId),
    item(mirrorLeftRightId),
    item(mirrorUpDownId),
    separator,
    item(setBeginRangeId),
    item(setEndRangeId),
    item(copyRangeId),
    separator,
    item(shiftLeftId),
    item(shiftRightId),
    item(shiftUpId),
    item(shiftDownId),

    title("Help"),
    item(keysHelpId),
    item(aboutId),
};

constexpr Place rangePopupPlaces[] = {item(setBeginRangeId), item(setEndRangeId),
                                      item(copyRangeId)};

constexpr Place mapPopupPlaces[] = {
    item(insertMapCharId),   item(deleteMapCharId),   separator,
    item(insertMapLineId),   item(deleteMapLineId),   separator,
    item(insertMapColumnId), item(deleteMapColumnId),
};

// One item a recent file, its number first; a greyed one when there are none.
void addRecentFiles(const std::vector<RecentFile>& recent) {
    for (size_t i = 0; i < recent.size(); ++i)
        add_menu_item(recentFileId + int(i), std::to_string(i + 1) + " " + recent[i].name);
    if (recent.empty()) {
        add_menu_item(recentFileId, "No recent files");
        set_menu_item_enabled(mainMenu, recentFileId, 0);
    }
}

// Adds to the menu being built.
void addPlaces(std::span<const Place> places, const std::vector<RecentFile>& recent = {}) {
    for (const Place& place : places) {
        switch (place.kind) {
        case Place::Kind::title:
            add_menu_title(place.text);
            break;
        case Place::Kind::submenu:
            open_submenu(place.text);
            break;
        case Place::Kind::end:
            close_submenu();
            break;
        case Place::Kind::separator:
            add_menu_separator();
            break;
        case Place::Kind::item:
            add_menu_item(place.id, findCommand(place.id)->label);
            break;
        case Place::Kind::recentFiles:
            addRecentFiles(recent);
            break;
        }
    }
}

} // namespace

void addShortcuts(int window) {
    for (const Command& command : commandTable()) {
        if (window != mainWindow && !command.everyWindow) continue;
        for (const int shortcut : command.shortcuts)
            if (shortcut) add_keyboard_shortcut(window, shortcut, command.id);
    }
}

bool createMainMenu(const std::vector<RecentFile>& recent) {
    if (!create_menu(mainMenu, window_handle(mainWindow))) return false;
    addPlaces(mainMenuPlaces, recent);
    return true;
}

void createMenus(const std::vector<RecentFile>& recent) {
    if (createMainMenu(recent))
        addShortcuts(mainWindow);
    else
        message_requester("gridlet", "create menu error!", message_ok);
    if (create_popup_menu(rangePopupMenu))
        addPlaces(rangePopupPlaces);
    else
        message_requester("gridlet", "create menu #2 error!", message_ok);
    if (create_popup_menu(mapPopupMenu))
        addPlaces(mapPopupPlaces);
    else
        message_requester("gridlet", "create menu #3 error!", message_ok);
}
