// The Character map's menu commands as a user runs them: screen sizes, fill, grid, the popup
// edits on a right-clicked cell, closing the window, and a program without the map window.
#include <gtest/gtest.h>

#include "app/menu_ids.h"
#include "busy_charset.h"
#include "gridlet_harness.h"
#include "shown_glyphs.h"
#include "toolkit/menus.h"
#include "toolkit/windows.h"

using namespace toolkit;

namespace {

struct SizeCommand {
    int id;
    int width;
    int height;
};

constexpr SizeCommand sizeCommands[] = {{mapZxId, 32, 24},
                                        {mapAtariId, 40, 24},
                                        {mapC64Id, 40, 25},
                                        {mapPcId, 80, 50},
                                        {mapUssrId, 64, 30}};

// A code for every storage cell that differs along each row and each column, so that every
// move of a cell can be traced.
int32_t patterned(int column, int row) {
    return (column * 7 + row * 13) & 0xFF;
}

// Distinct glyphs, so that the pixels of a cell tell which code it shows.
void prepare(Gridlet& g, bool patternedCells = true) {
    g.ui.run([&g, patternedCells] {
        g.state.editor.changeDocument().charset = busyCharset(11);
        if (!patternedCells) return;
        for (int column = 0; column < mapColumns; ++column)
            for (int row = 0; row < mapRows; ++row)
                g.state.editor.changeDocument().mapCells[column][row] = patterned(column, row);
    });
}

void choose(Gridlet& g, int id) {
    g.ui.choose_menu_item(mainWindow, id);
    g.run();
}

// Right-clicks the cell and picks the command from the map's popup menu.
void chooseOnCell(Gridlet& g, int column, int row, int id) {
    g.ui.answer_popup(id);
    g.ui.move_on_canvas(mapView, column * 16 + 8, row * 16 + 8);
    g.ui.click_on_canvas(mapView, button_right, column * 16 + 8, row * 16 + 8);
    g.run();
}

::testing::AssertionResult cellShows(const Gridlet& g, int column, int row, int code) {
    return showsGlyph(g.canvas(mapView), column * 16, row * 16, g.state, code, true);
}

// Every visible cell shows the glyph of the code it holds.
::testing::AssertionResult mapShowsItsCells(const Gridlet& g) {
    for (int row = 0; row < g.document().mapHeight; ++row) {
        for (int column = 0; column < g.document().mapWidth; ++column) {
            auto shown = cellShows(g, column, row, g.document().mapCells[column][row]);
            if (!shown) return shown << " in cell (" << column << ", " << row << ")";
        }
    }
    return ::testing::AssertionSuccess();
}

TEST(MapSizes, StartMapIsHidden40x24WithCodes32To71InEveryRow) {
    Gridlet g;
    EXPECT_FALSE(find_window(mapWindow)->visible);
    EXPECT_EQ(g.document().mapWidth, 40);
    EXPECT_EQ(g.document().mapHeight, 24);
    for (int row = 0; row < 24; ++row)
        for (int column = 0; column < 40; ++column)
            ASSERT_EQ(g.document().mapCells[column][row], column + 32);
    prepare(g, false);
    choose(g, mapAtariId);
    EXPECT_TRUE(cellShows(g, 0, 0, 32));
    EXPECT_TRUE(cellShows(g, 39, 23, 71));
    EXPECT_TRUE(mapShowsItsCells(g));
}

TEST(MapSizes, PcSizeShowsCodes72To111InTheNewColumns) {
    Gridlet g;
    prepare(g, false);
    choose(g, mapPcId);
    for (int row = 0; row < 50; ++row) {
        for (int column = 40; column < 80; ++column) {
            ASSERT_EQ(g.document().mapCells[column][row], column + 32);
            ASSERT_TRUE(cellShows(g, column, row, column + 32));
        }
    }
}

TEST(MapSizes, UssrSizeFitsViewAndWindowTo1024x480InPlace) {
    Gridlet g;
    const int x = window_x(mapWindow), y = window_y(mapWindow);
    choose(g, mapUssrId);
    EXPECT_EQ(g.document().mapWidth, 64);
    EXPECT_EQ(g.document().mapHeight, 30);
    EXPECT_EQ(gadget_width(mapView), 1024);
    EXPECT_EQ(gadget_height(mapView), 480);
    EXPECT_EQ(g.canvas(mapView).width, 1024);
    EXPECT_EQ(g.canvas(mapView).height, 480);
    EXPECT_EQ(find_window(mapWindow)->inner_width, 1024);
    EXPECT_EQ(find_window(mapWindow)->inner_height, 480);
    EXPECT_EQ(window_x(mapWindow), x);
    EXPECT_EQ(window_y(mapWindow), y);
    EXPECT_TRUE(find_window(mapWindow)->visible);
}

TEST(MapSizes, EverySizeShowsTheMapWithoutChangingCellsOrSelection) {
    Gridlet g;
    prepare(g);
    const int x = window_x(mapWindow), y = window_y(mapWindow);
    choose(g, mapAtariId);
    // A dismissed popup leaves a selection that a size change must not touch.
    g.ui.move_on_canvas(mapView, 5 * 16 + 3, 6 * 16 + 3);
    g.ui.click_on_canvas(mapView, button_right, 5 * 16 + 3, 6 * 16 + 3);
    g.run();
    const MapCells before = g.document().mapCells;
    for (const SizeCommand& size : sizeCommands) {
        g.ui.run([] { hide_window(mapWindow, 1); });
        choose(g, size.id);
        SCOPED_TRACE(size.width);
        EXPECT_EQ(g.document().mapWidth, size.width);
        EXPECT_EQ(g.document().mapHeight, size.height);
        EXPECT_EQ(g.canvas(mapView).width, size.width * 16);
        EXPECT_EQ(g.canvas(mapView).height, size.height * 16);
        EXPECT_EQ(find_window(mapWindow)->inner_width, size.width * 16);
        EXPECT_EQ(find_window(mapWindow)->inner_height, size.height * 16);
        EXPECT_EQ(window_x(mapWindow), x);
        EXPECT_EQ(window_y(mapWindow), y);
        EXPECT_TRUE(find_window(mapWindow)->visible);
        EXPECT_TRUE(mapShowsItsCells(g));
        EXPECT_EQ(g.document().mapCells, before);
        EXPECT_EQ(g.state.windows.pointer.popupCell.column, 5);
        EXPECT_EQ(g.state.windows.pointer.popupCell.row, 6);
    }
}

TEST(MapSizes, ShrinkingAndGrowingBackKeepsEveryCell) {
    Gridlet g;
    prepare(g);
    choose(g, mapPcId);
    const MapCells before = g.document().mapCells;
    choose(g, mapZxId);
    choose(g, mapPcId);
    EXPECT_EQ(g.document().mapCells, before);
    EXPECT_TRUE(mapShowsItsCells(g));
    EXPECT_TRUE(cellShows(g, 79, 49, patterned(79, 49)));
}

TEST(MapEdits, InsertColumnAtZeroSendsTheLastColumnIntoTheHiddenOne) {
    Gridlet g;
    prepare(g);
    choose(g, mapAtariId);
    chooseOnCell(g, 0, 5, insertMapColumnId);
    MapCells expected = g.document().mapCells;
    for (int row = 0; row < mapRows; ++row) {
        for (int column = 0; column < mapColumns; ++column) {
            int32_t code = patterned(column, row);
            if (row < 24 && column == 0) code = 0;
            if (row < 24 && column >= 1 && column <= 40) code = patterned(column - 1, row);
            expected[column][row] = code;
        }
    }
    EXPECT_EQ(g.document().mapCells, expected);
    EXPECT_EQ(g.state.windows.pointer.popupCell.column, -1);
    EXPECT_EQ(g.state.windows.pointer.popupCell.row, -1);
    EXPECT_TRUE(mapShowsItsCells(g));

    choose(g, mapPcId);
    EXPECT_TRUE(cellShows(g, 40, 0, patterned(39, 0)));
    EXPECT_TRUE(cellShows(g, 40, 23, patterned(39, 23)));
    EXPECT_TRUE(cellShows(g, 40, 24, patterned(40, 24)));
}

TEST(MapEdits, InsertCharOnTheLastColumnOfAFullWidthMapDropsTheHiddenCell) {
    Gridlet g;
    prepare(g);
    choose(g, mapPcId);
    const AppState before = g.state;
    chooseOnCell(g, 79, 5, insertMapCharId);
    MapCells expected = before.editor.document().mapCells;
    expected[79][5] = 0;
    expected[80][5] = patterned(79, 5);
    EXPECT_EQ(g.document().mapCells, expected);
    // Storage ends at column 80: what lies after it in the state stays as it was.
    EXPECT_EQ(g.state.windows.mapWindowAvailable, before.windows.mapWindowAvailable);
    EXPECT_EQ(g.document().gridOnMap, before.editor.document().gridOnMap);
    EXPECT_EQ(g.state.windows.atariCodes, before.windows.atariCodes);
    EXPECT_TRUE(cellShows(g, 79, 5, 0));
}

TEST(MapEdits, DeleteCharOnTheLastVisibleColumnOnlyBlanksIt) {
    Gridlet g;
    prepare(g);
    choose(g, mapAtariId);
    chooseOnCell(g, 39, 7, deleteMapCharId);
    MapCells expected = g.document().mapCells;
    for (int row = 0; row < mapRows; ++row)
        for (int column = 0; column < mapColumns; ++column)
            expected[column][row] = column == 39 && row == 7 ? 0 : patterned(column, row);
    EXPECT_EQ(g.document().mapCells, expected);
    EXPECT_TRUE(cellShows(g, 39, 7, 0));
}

TEST(MapEdits, InsertLineThenDeleteLineRestoresAllButTheLastVisibleRow) {
    Gridlet g;
    prepare(g);
    choose(g, mapAtariId);
    chooseOnCell(g, 3, 10, insertMapLineId);
    for (int column = 0; column <= 40; ++column) {
        EXPECT_EQ(g.document().mapCells[column][10], 0);
        EXPECT_EQ(g.document().mapCells[column][11], patterned(column, 10));
        EXPECT_EQ(g.document().mapCells[column][24], patterned(column, 23));
    }
    chooseOnCell(g, 3, 10, deleteMapLineId);
    for (int row = 0; row < mapRows; ++row) {
        for (int column = 0; column < mapColumns; ++column) {
            int32_t code = patterned(column, row);
            if (column <= 40 && row == 23) code = 0;
            // The insert pushed the last row into the hidden row; the delete leaves it there.
            if (column <= 40 && row == 24) code = patterned(column, 23);
            ASSERT_EQ(g.document().mapCells[column][row], code) << column << ", " << row;
        }
    }
    EXPECT_TRUE(mapShowsItsCells(g));
}

TEST(MapEdits, ACommandServesOneRightClick) {
    constexpr int edits[] = {insertMapCharId, deleteMapCharId,   insertMapLineId,
                             deleteMapLineId, insertMapColumnId, deleteMapColumnId};
    for (int id : edits) {
        Gridlet g;
        prepare(g);
        choose(g, mapAtariId);
        const MapCells start = g.document().mapCells;
        choose(g, id); // nothing selected since start-up
        EXPECT_EQ(g.document().mapCells, start) << id;
        chooseOnCell(g, 4, 4, id);
        const MapCells once = g.document().mapCells;
        EXPECT_NE(once, start) << id;
        choose(g, id);
        EXPECT_EQ(g.document().mapCells, once) << id;
        EXPECT_EQ(g.state.windows.pointer.popupCell.column, -1);
        EXPECT_EQ(g.state.windows.pointer.popupCell.row, -1);
    }
}

TEST(MapFill, FillsTheVisibleCellsAndLeavesTheHiddenColumnAndRow) {
    Gridlet g;
    prepare(g);
    g.clickGlyph(65);
    choose(g, mapC64Id);
    choose(g, fillMapId);
    for (int row = 0; row < mapRows; ++row)
        for (int column = 0; column < mapColumns; ++column)
            ASSERT_EQ(g.document().mapCells[column][row],
                      column < 40 && row < 25 ? 65 : patterned(column, row))
                << column << ", " << row;
    EXPECT_TRUE(mapShowsItsCells(g));
}

TEST(MapGrid, TogglingTwiceKeepsGridAndCheckMarkAndOffChangesOnlyCellEdges) {
    Gridlet g;
    prepare(g);
    choose(g, mapAtariId);
    const PixelBuffer withGrid = g.canvas(mapView);

    choose(g, gridOnMapId);
    EXPECT_FALSE(g.document().gridOnMap);
    EXPECT_EQ(get_menu_item_checked(mainMenu, gridOnMapId), 0);
    const PixelBuffer& without = g.canvas(mapView);
    int changed = 0;
    for (int y = 0; y < without.height; ++y) {
        for (int x = 0; x < without.width; ++x) {
            if (without.color_at(x, y) == withGrid.color_at(x, y)) continue;
            ++changed;
            ASSERT_TRUE(x % 16 == 0 || y % 16 == 0) << "(" << x << ", " << y << ")";
        }
    }
    EXPECT_GT(changed, 0);
    // Without the grid the edges show the glyphs too.
    for (int row = 0; row < 24; ++row)
        for (int column = 0; column < 40; ++column)
            ASSERT_TRUE(showsGlyph(without, column * 16, row * 16, g.state,
                                   g.document().mapCells[column][row]));

    choose(g, gridOnMapId);
    EXPECT_TRUE(g.document().gridOnMap);
    EXPECT_EQ(get_menu_item_checked(mainMenu, gridOnMapId), 1);
    EXPECT_EQ(g.canvas(mapView).pixels, withGrid.pixels);
}

TEST(MapWindow, ClosingHidesItAndASizeCommandShowsItAgain) {
    Gridlet g;
    prepare(g);
    choose(g, mapAtariId);
    ASSERT_TRUE(find_window(mapWindow)->visible);
    const MapCells before = g.document().mapCells;
    g.ui.request_close(mapWindow);
    g.run();
    EXPECT_FALSE(g.ended);
    EXPECT_FALSE(find_window(mapWindow)->visible);
    EXPECT_EQ(g.document().mapCells, before);
    choose(g, mapC64Id);
    EXPECT_TRUE(find_window(mapWindow)->visible);
    EXPECT_EQ(find_window(mapWindow)->inner_height, 25 * 16);
    EXPECT_TRUE(mapShowsItsCells(g));
}

TEST(MapWindow, WithoutItTheCommandsStillChangeTheMapAndDrawNothing) {
    HeadlessBinding ui;
    ui.refuse_window = mapWindow;
    AppState state;
    ASSERT_TRUE(startUp(state, ui, {}));
    ASSERT_EQ(ui.messages_shown.size(), 1u); // "Character Map not available"
    const int redraws = ui.canvas_redraws;

    ui.choose_menu_item(mainWindow, mapPcId);
    ui.choose_menu_item(mainWindow, fillMapId);
    ui.choose_menu_item(mainWindow, gridOnMapId);
    while (ui.has_pending_input() || has_queued_events()) ASSERT_TRUE(handleNextEvent(state));

    EXPECT_EQ(state.editor.document().mapWidth, 80);
    EXPECT_EQ(state.editor.document().mapHeight, 50);
    for (int row = 0; row < mapRows; ++row)
        for (int column = 0; column < mapColumns; ++column)
            ASSERT_EQ(state.editor.document().mapCells[column][row],
                      column < 80 && row < 50 ? 0 : column + 32);
    EXPECT_FALSE(state.editor.document().gridOnMap);
    EXPECT_EQ(find_gadget(mapView), nullptr);
    EXPECT_EQ(ui.canvas_redraws, redraws);
    EXPECT_EQ(ui.messages_shown.size(), 1u);
    shutDown(state);
}

} // namespace
