#include "app/menu_bar.h"

#include "app/state/app_state.h"
#include "toolkit/menus.h"
#include "toolkit/requesters.h"

using namespace toolkit;

namespace {

void addMenuBar() {
    add_menu_title("File");
    add_menu_item(openId, "Open...\tCtrl+O");
    open_submenu("Save");
    add_menu_item(saveZxFontId, "ZX 96 chars(768bytes)");
    add_menu_item(saveAtariFontId, "Atari 128 chars(1024bytes)");
    add_menu_item(saveIbmFontId, "IBM 256 chars(2048bytes)");
    add_menu_separator();
    add_menu_item(saveMapId, "Character_map");
    add_menu_item(saveImageId, "Characters image");
    close_submenu();
    add_menu_item(quitId, "Quit");

    add_menu_title("Char");
    open_submenu("Map");
    add_menu_item(mapZxId, "ZX 32x24");
    add_menu_item(mapAtariId, "Atari 40x24");
    add_menu_item(mapC64Id, "C64 40x25");
    add_menu_item(mapPcId, "PC 80x50");
    add_menu_item(mapUssrId, "USSR 64x30");
    add_menu_separator();
    add_menu_item(fillMapId, "Fill map with current char");
    add_menu_item(gridOnMapId, "Grid on map");
    close_submenu();
    set_menu_item_checked(mainMenu, gridOnMapId, 1);
    open_submenu("Charset");
    add_menu_item(charsetIbmCgaId, "IBM PC CGA");
    add_menu_item(charsetIbm866Id, "IBM PC 866");
    add_menu_separator();
    add_menu_item(charsetZxSpectrumId, "ZX Spectrum");
    add_menu_item(charsetZx80Id, "ZX80");
    add_menu_item(charsetJupiterAceId, "Jupiter Ace");
    add_menu_separator();
    add_menu_item(charsetC64Id, "C64 CAPS");
    add_menu_item(charsetAtariId, "Atari XL");
    add_menu_item(charsetMicroshaId, "Microsha(USSR)");
    add_menu_separator();
    add_menu_item(charsetHexId, "Hex numbers");
    close_submenu();
    add_menu_separator();
    add_menu_item(dragSwapId, "Drag mode:swap");
    add_menu_item(dragCopyId, "Drag mode:copy");
    add_menu_separator();
    add_menu_item(rotateClockwiseId, "rotate clockwise");
    add_menu_item(rotateAnticlockwiseId, "rotate anticlockwise");
    add_menu_separator();
    add_menu_item(paperColorId, "Color for bit=0...");
    add_menu_item(inkColorId, "Color for bit=1...");
    add_menu_separator();
    add_menu_item(eraseCharsetId, "Erase all charset");
    add_menu_item(clearCharId, "Clear character");
    add_menu_item(invertId, "Invert\tCtrl+I");
    add_menu_item(mirrorLeftRightId, "Revert char left-right");
    add_menu_item(mirrorUpDownId, "Revert char up-down");
    add_menu_separator();
    add_menu_item(setBeginRangeId, "Set begin range");
    add_menu_item(setEndRangeId, "Set end range");
    add_menu_item(copyRangeId, "Copy data range to current");
    add_menu_separator();
    add_menu_item(shiftLeftId, "Char shift left");
    add_menu_item(shiftRightId, "Char shift right");
    add_menu_item(shiftUpId, "Char shift up");
    add_menu_item(shiftDownId, "Char shift down");
    set_menu_item_checked(mainMenu, dragSwapId, 1);

    add_keyboard_shortcut(mainWindow, shortcut_control + 'I', invertId);
    add_keyboard_shortcut(mainWindow, shortcut_control + 'O', openId);
}

} // namespace

void createMenus() {
    if (create_menu(mainMenu, window_handle(mainWindow)))
        addMenuBar();
    else
        message_requester("gridlet", "create menu error!", message_ok);

    if (create_popup_menu(rangePopupMenu)) {
        add_menu_item(setBeginRangeId, "Set begin range");
        add_menu_item(setEndRangeId, "Set end range");
        add_menu_item(copyRangeId, "Copy data range to current");
    } else {
        message_requester("gridlet", "create menu #2 error!", message_ok);
    }

    if (create_popup_menu(mapPopupMenu)) {
        add_menu_item(insertMapCharId, "Insert char");
        add_menu_item(deleteMapCharId, "Delete char");
        add_menu_separator();
        add_menu_item(insertMapLineId, "Insert line");
        add_menu_item(deleteMapLineId, "Delete line");
        add_menu_separator();
        add_menu_item(insertMapColumnId, "Insert column");
        add_menu_item(deleteMapColumnId, "Delete column");
    } else {
        message_requester("gridlet", "create menu #3 error!", message_ok);
    }
}
