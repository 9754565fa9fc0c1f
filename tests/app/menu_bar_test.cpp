// The menu bar, the popup menus and their shortcuts as the program builds them.
#include <gtest/gtest.h>

#include <set>

#include "app/command_table.h"
#include "app/menu_ids.h"
#include "gridlet_harness.h"
#include "toolkit/menus.h"

using namespace toolkit;

namespace {

// One line per entry, indented by depth: "[id] text", "> submenu", "---", "*" for a check mark,
// "(greyed)" for a disabled item.
void listEntries(const std::vector<MenuEntry>& entries, int depth, std::string& out) {
    for (const MenuEntry& entry : entries) {
        out += std::string(size_t(depth) * 2, ' ');
        switch (entry.kind) {
        case MenuEntry::Kind::separator:
            out += "---\n";
            break;
        case MenuEntry::Kind::submenu:
            out += "> " + entry.text + "\n";
            listEntries(entry.children, depth + 1, out);
            break;
        case MenuEntry::Kind::item:
            out += "[" + std::to_string(entry.id) + "] " + entry.text +
                   (entry.checked ? " *" : "") + (entry.enabled ? "" : " (greyed)") + "\n";
            break;
        }
    }
}

// The menu as the user sees it: a bar once the program has waited, a popup when it opens.
const MenuRecord& shownMenu(Gridlet& g, int menu) {
    g.ui.run([] {});
    g.run();
    if (!g.ui.menus_shown.count(menu)) show_popup_menu(menu, window_handle(mainWindow));
    return g.ui.menus_shown.at(menu);
}

std::string listMenu(Gridlet& g, int menu) {
    std::string out;
    listEntries(shownMenu(g, menu).entries, 0, out);
    return out;
}

TEST(MenuBar, EveryLabelIdAndSeparatorInOrder) {
    Gridlet g;
    EXPECT_EQ(listMenu(g, mainMenu), R"(> File
  [0] Open...	Ctrl+O
  > Open recent
    [63] No recent files (greyed)
  [62] Restore last session (greyed)
  > Save
    [79] Project...
    ---
    [2] ZX 96 chars(768bytes)
    [3] Atari 128 chars(1024bytes)
    [4] IBM 256 chars(2048bytes)
    ---
    [5] Character_map
    [77] Character map colours
    [6] Characters image
  > Export
    [54] PNG picture...
    [55] Console font (PSF)...
    [56] BDF font...
    [57] C64 font (.64c)...
    ---
    [58] C source...
    [59] Assembler source...
    [60] BASIC DATA lines...
    ---
    [61] Character map as C source...
    [78] Character map picture (PNG)...
    ---
    [82] CharPad project (CTM)...
    [83] VChar64 project...
    [84] Petmate screen...
    ---
    [85] C64 program (PRG)...
    [86] Atari executable (XEX)...
    [87] ZX Spectrum screen (SCR)...
    [88] ZX Spectrum tape (TAP)...
  [1] Quit
> Edit
  [47] Undo	Ctrl+Z (greyed)
  [48] Redo	Ctrl+Shift+Z (greyed)
  ---
  [49] Cut	Ctrl+X
  [50] Copy	Ctrl+C
  [51] Paste	Ctrl+V
> Char
  > Map
    [21] ZX 32x24
    [22] Atari 40x24
    [23] C64 40x25
    [24] PC 80x50
    [25] USSR 64x30
    ---
    [26] Fill map with current char
    [27] Grid on map *
    [80] Type text
  > Charset
    [28] IBM PC CGA
    [31] IBM PC 866
    ---
    [32] ZX Spectrum
    [33] ZX80
    [35] Jupiter Ace
    ---
    [29] C64 CAPS
    [81] C64 lower case
    [30] Atari XL
    [34] Microsha(USSR)
    ---
    [36] Hex numbers
  ---
  [18] Drag mode:swap *
  [19] Drag mode:copy
  ---
  [39] rotate clockwise
  [40] rotate anticlockwise
  ---
  [38] Color for bit=0...
  [37] Color for bit=1...
  > Glyph height
    [89] 8 x 8 *
    [90] 8 x 14 (EGA)
    [91] 8 x 16 (VGA)
    [92] Other...
  > Colour mode
    [71] Two colours *
    [72] C64 single colour
    [73] C64 multicolour
    [74] Atari four colours (ANTIC 4)
    [75] ZX Spectrum
  [76] Colours...
  ---
  [10] Erase all charset
  [11] Clear character
  [7] Invert	Ctrl+I
  [8] Revert char left-right
  [9] Revert char up-down
  ---
  [16] Set begin range
  [17] Set end range
  [20] Copy data range to current
  ---
  [12] Char shift left
  [13] Char shift right
  [14] Char shift up
  [15] Char shift down
> Help
  [52] Keys and mouse
  [53] About gridlet
)");
    EXPECT_EQ(listMenu(g, rangePopupMenu), R"([16] Set begin range
[17] Set end range
[20] Copy data range to current
)");
    EXPECT_EQ(listMenu(g, mapPopupMenu), R"([41] Insert char
[42] Delete char
---
[43] Insert line
[44] Delete line
---
[45] Insert column
[46] Delete column
)");
    EXPECT_TRUE(g.ui.messages_shown.empty());
}

TEST(MenuBar, CtrlOOpensTheSameRequesterAsOpen) {
    Gridlet g;
    g.ui.choose_menu_item(mainWindow, openId);
    g.ui.press_key('O', modifier_control);
    g.run();
    ASSERT_EQ(g.ui.file_requests.size(), 2u);
    EXPECT_EQ(g.ui.file_requests[0].title, g.ui.file_requests[1].title);
    EXPECT_EQ(g.ui.file_requests[1].title, "Please choose file to load");
    EXPECT_FALSE(g.ui.file_requests[1].save);
}

TEST(MenuBar, ShortcutsBelongToTheMainWindowOnly) {
    Gridlet g;
    g.ui.choose_menu_item(mainWindow, mapZxId); // shows and activates the map window
    g.ui.press_key('I', modifier_control);
    g.run();
    EXPECT_EQ(g.document().charset[0], 0);
    g.ui.activate(mainWindow);
    g.ui.press_key('I', modifier_control);
    g.run();
    EXPECT_EQ(g.document().charset[0], 0xFF);
}

} // namespace

namespace {

void collectIds(const std::vector<MenuEntry>& entries, std::multiset<int>& ids) {
    for (const MenuEntry& entry : entries) {
        if (entry.kind == MenuEntry::Kind::item) ids.insert(entry.id);
        collectIds(entry.children, ids);
    }
}

// Each command is declared once, and every declared command stands in a menu.
TEST(CommandTable, EveryCommandOnceAndInAMenu) {
    Gridlet g;
    std::multiset<int> placed;
    for (const int menu : {int(mainMenu), int(rangePopupMenu), int(mapPopupMenu)})
        collectIds(shownMenu(g, menu).entries, placed);
    std::set<int> declared;
    for (const Command& command : commandTable()) {
        EXPECT_TRUE(declared.insert(command.id).second) << command.id;
        EXPECT_EQ(findCommand(command.id), &command);
        // The recent files' items stand in the menu as there are files: here, none.
        if (command.id > recentFileId && command.id <= lastRecentFileId) continue;
        EXPECT_TRUE(placed.count(command.id)) << command.id;
    }
    for (int id = recentFileId + 1; id <= lastRecentFileId; ++id) declared.erase(id);
    EXPECT_EQ(std::set<int>(placed.begin(), placed.end()), declared);
    EXPECT_EQ(findCommand(999), nullptr);
}

} // namespace
