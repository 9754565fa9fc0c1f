// The whole program on the headless binding: start-up state, the end, close requests.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/menu_ids.h"
#include "app/program_title.h"
#include "gridlet_harness.h"
#include "toolkit/menus.h"
#include "toolkit/windows.h"
#include "views/charset_image.h"

using namespace toolkit;

namespace {

void expectStartState(const AppState& state) {
    for (uint8_t byte : state.editor.document().charset) ASSERT_EQ(byte, 0);
    EXPECT_EQ(state.editor.currentChar(), 0);
    EXPECT_EQ(charsetCell(state.editor.currentChar()).column, 0);
    EXPECT_EQ(charsetCell(state.editor.currentChar()).row, 0);
    EXPECT_EQ(state.editor.document().mapWidth, 40);
    EXPECT_EQ(state.editor.document().mapHeight, 24);
    for (int row = 0; row < mapRows; ++row)
        for (int column = 0; column < mapColumns; ++column)
            ASSERT_EQ(state.editor.document().mapCells[column][row], column + 32);
    EXPECT_EQ(state.editor.document().mapCells[80][50], 112);
    EXPECT_EQ(state.windows.pointer.popupCell.column, -1);
    EXPECT_EQ(state.windows.pointer.popupCell.row, -1);
    EXPECT_TRUE(state.editor.document().gridOnMap);
    EXPECT_FALSE(state.windows.atariCodes);
    EXPECT_EQ(state.editor.document().paperColor, 0x000000u);
    EXPECT_EQ(state.editor.document().inkColor, 0xFFFFFFu);
    EXPECT_EQ(state.editor.document().colorMode, ColorMode::twoColors);
    EXPECT_STREQ(programTitle, "gridlet v2 0.9f");
    EXPECT_TRUE(state.windows.mapWindowAvailable);
}

std::string fontWithFirstByte(uint8_t first) {
    const std::string name = ::testing::TempDir() + "startup_font.fnt";
    std::ofstream out(name, std::ios::binary);
    std::string bytes(16, char(0x11));
    bytes[0] = char(first);
    out << bytes;
    return name;
}

TEST(StartUp, WithoutParametersEverythingIsAtItsStartValue) {
    Gridlet g;
    expectStartState(g.state);
    EXPECT_EQ(g.windowTitle(mainWindow), "gridlet v2 0.9f");
    EXPECT_EQ(g.windowTitle(mapWindow), "Character map");
    EXPECT_TRUE(find_window(mainWindow)->visible);
    EXPECT_FALSE(find_window(mapWindow)->visible);
    EXPECT_EQ(find_window(mapWindow)->inner_width, 522);
    EXPECT_EQ(find_window(mapWindow)->inner_height, 394);
    EXPECT_EQ(window_x(mapWindow), window_x(mainWindow) + 40);
    EXPECT_EQ(window_y(mapWindow), window_y(mainWindow) + 40);
    EXPECT_EQ(focused_gadget(), charsetView);
    EXPECT_EQ(g.gadgetText(beginRangeLabel), "Begin range:0");
    EXPECT_EQ(g.gadgetText(endRangeLabel), "End range:0");
    EXPECT_EQ(find_gadget(rangeCheckbox)->tooltip, "Enable range");
    EXPECT_EQ(find_gadget(dataField)->tooltip, "Data for char");
    EXPECT_EQ(get_menu_item_checked(mainMenu, gridOnMapId), 1);
    EXPECT_EQ(get_menu_item_checked(mainMenu, dragSwapId), 1);
    EXPECT_EQ(get_menu_item_checked(mainMenu, dragCopyId), 0);
    EXPECT_TRUE(gadget_accepts_files(charsetView));
    EXPECT_TRUE(gadget_accepts_files(mapView));
    EXPECT_FALSE(gadget_accepts_files(glyphEditor));
    EXPECT_TRUE(g.ui.messages_shown.empty());
    EXPECT_EQ(g.state.windows.files.lastFolder.back(), '/');
    EXPECT_EQ(g.state.windows.files.mapFileName, g.state.windows.files.lastFolder + "charmap.map");
}

// The map window starts hidden, and its map is first drawn when a map size shows it: start-up
// neither fills nor keeps the pixels of a map no one sees.
TEST(StartUp, TheHiddenMapIsFirstDrawnWhenAMapSizeShowsIt) {
    Gridlet g;
    EXPECT_EQ(g.ui.canvas_pixels_drawn_on[mapView], 0);
    g.ui.choose_menu_item(mainWindow, mapAtariId);
    g.run();
    EXPECT_GE(g.ui.canvas_pixels_drawn_on[mapView], 40 * 16 * 24 * 16);
}

TEST(StartUp, OneParameterIsLoadedAsAFont) {
    Gridlet g({fontWithFirstByte(0x81)});
    EXPECT_EQ(g.document().charset[0], 0x81);
    EXPECT_EQ(g.document().charset[15], 0x11);
    EXPECT_EQ(g.document().charset[16], 0);
    EXPECT_EQ(g.gadgetText(dataField), "129,17,17,17,17,17,17,17");
}

TEST(StartUp, TwoParametersLoadNothing) {
    const std::string font = fontWithFirstByte(0x81);
    Gridlet g({font, font});
    expectStartState(g.state);
}

TEST(StartUp, AMissingMainWindowEndsAtOnceWithoutMessages) {
    toolkit::HeadlessBinding ui;
    ui.refuse_window = mainWindow;
    AppState state;
    EXPECT_FALSE(startUp(state, ui, {}));
    EXPECT_TRUE(ui.messages_shown.empty());
}

TEST(StartUp, AMissingMapWindowIsReportedAndTheProgramGoesOn) {
    toolkit::HeadlessBinding ui;
    ui.refuse_window = mapWindow;
    AppState state;
    ASSERT_TRUE(startUp(state, ui, {}));
    EXPECT_FALSE(state.windows.mapWindowAvailable);
    ASSERT_EQ(ui.messages_shown.size(), 1u);
    EXPECT_EQ(ui.messages_shown[0].title, "Gridlet");
    EXPECT_EQ(ui.messages_shown[0].text, "Character Map not available");
    EXPECT_EQ(shutDown(state), 0);
}

TEST(EventLoop, EscapeEndsWithExitCodeZero) {
    Gridlet g;
    g.ui.press_key(vk_escape);
    g.ui.choose_menu_item(mainWindow, fillMapId); // never handled: the program has ended
    g.run();
    EXPECT_TRUE(g.ended);
    EXPECT_EQ(g.exitCode, 0);
    EXPECT_EQ(g.document().mapCells[0][0], 32);
}

TEST(EventLoop, ClosingTheMainWindowOrQuitEnds) {
    {
        Gridlet g;
        g.ui.request_close(mainWindow);
        g.run();
        EXPECT_TRUE(g.ended);
        EXPECT_EQ(g.exitCode, 0);
    }
    {
        Gridlet g;
        g.ui.choose_menu_item(mainWindow, quitId);
        g.run();
        EXPECT_TRUE(g.ended);
    }
}

TEST(EventLoop, ClosingTheMapWindowOnlyHidesIt) {
    Gridlet g;
    g.ui.run([] { hide_window(mapWindow, 0); });
    g.ui.request_close(mapWindow);
    g.run();
    EXPECT_FALSE(g.ended);
    ASSERT_NE(find_window(mapWindow), nullptr);
    EXPECT_FALSE(find_window(mapWindow)->visible);
}

TEST(EventLoop, EveryMenuEventClearsAtariCodes) {
    Gridlet g;
    g.ui.run([&] { g.state.windows.atariCodes = true; });
    g.ui.choose_menu_item(mainWindow, 99); // an id without a command
    g.run();
    EXPECT_FALSE(g.state.windows.atariCodes);
}

TEST(EventLoop, TheWholeProgramReturnsZeroWhenInputRunsOut) {
    toolkit::HeadlessBinding ui;
    EXPECT_EQ(runProgram(ui, {}), 0);
}

} // namespace
