// The mouse on the map view as a user moves it: painting cells, the hover outline and title, and
// the right click that selects a cell for the map's popup menu.
#include <gtest/gtest.h>

#include "app/menu_ids.h"
#include "busy_charset.h"
#include "gridlet_harness.h"
#include "pixel_picture.h"
#include "shown_glyphs.h"
#include "toolkit/windows.h"

using namespace toolkit;

namespace {

constexpr Color red = 0x0000FF;

// The map shown at 40 x 24 cells (640 x 384 pixels), with distinct glyphs to tell cells apart.
void showMap(Gridlet& g) {
    g.ui.run([&g] { g.state.editor.changeDocument().charset = busyCharset(21); });
    g.ui.choose_menu_item(mainWindow, mapAtariId);
    g.run();
}

// The mouse comes into the view at (x, y) and moves one pixel on: the first move only enters.
void hoverAt(Gridlet& g, int x, int y) {
    g.ui.move_on_canvas(mapView, x - 1, y);
    g.ui.move_on_canvas(mapView, x, y);
}

int redPixels(const Gridlet& g) {
    const PixelBuffer& view = g.canvas(mapView);
    return countPixels(view, 0, 0, view.width, view.height, red);
}

// All 60 pixels of the cell's edge are red, and only those.
void expectOutlineOn(const Gridlet& g, int column, int row) {
    const PixelBuffer& view = g.canvas(mapView);
    const int left = column * 16, top = row * 16;
    EXPECT_EQ(countPixels(view, left, top, 16, 1, red), 16);
    EXPECT_EQ(countPixels(view, left, top + 15, 16, 1, red), 16);
    EXPECT_EQ(countPixels(view, left, top, 1, 16, red), 16);
    EXPECT_EQ(countPixels(view, left + 15, top, 1, 16, red), 16);
    EXPECT_EQ(redPixels(g), 60);
}

TEST(MapViewPainting, APressPlacesTheCurrentCharInOneCell) {
    Gridlet g;
    showMap(g);
    g.clickGlyph(65);
    hoverAt(g, 5, 4);
    g.run();
    const MapCells before = g.document().mapCells;
    g.ui.press_on_canvas(mapView, button_left, 5, 4);
    g.run();
    MapCells expected = before;
    expected[0][0] = 65;
    EXPECT_EQ(g.document().mapCells, expected);
    EXPECT_TRUE(showsGlyph(g.canvas(mapView), 0, 0, g.state, 65, true));
    EXPECT_EQ(redPixels(g), 0); // the map redrawn over the hover outline
    // The title was written by the hover, before the press.
    EXPECT_EQ(g.windowTitle(mapWindow), "Character map (0,0):32[20]");

    // Going up over the next cell, with no move in between, paints nothing there.
    g.ui.release_on_canvas(mapView, button_left, 16 + 5, 4);
    g.run();
    EXPECT_EQ(g.document().mapCells, expected);
}

TEST(MapViewPainting, DraggingAlongARowPaintsEveryCellPassed) {
    Gridlet g;
    showMap(g);
    g.clickGlyph(66);
    hoverAt(g, 9, 2 * 16 + 8);
    g.ui.press_on_canvas(mapView, button_left, 9, 2 * 16 + 8);
    for (int x = 17; x <= 153; x += 8) g.ui.move_on_canvas(mapView, x, 2 * 16 + 8);
    g.run();
    for (int column = 0; column < mapColumns; ++column) {
        for (int row = 0; row < mapRows; ++row) {
            const int32_t code = row == 2 && column <= 9 ? 66 : column + 32;
            ASSERT_EQ(g.document().mapCells[column][row], code) << column << ", " << row;
        }
    }
    for (int column = 0; column <= 9; ++column)
        EXPECT_TRUE(showsGlyph(g.canvas(mapView), column * 16, 2 * 16, g.state, 66, true));
    EXPECT_EQ(redPixels(g), 0); // each move paints after outlining: no outline while painting
    EXPECT_EQ(g.windowTitle(mapWindow), "Character map (9,2):66[42]");

    // Up again, the mouse only hovers.
    g.ui.release_on_canvas(mapView, button_left, 153, 2 * 16 + 8);
    g.ui.move_on_canvas(mapView, 153, 4 * 16 + 8);
    g.run();
    EXPECT_EQ(g.document().mapCells[9][4], 41);
    EXPECT_EQ(g.windowTitle(mapWindow), "Character map (9,4):41[29]");
    expectOutlineOn(g, 9, 4);
}

TEST(MapViewPainting, AHeldButtonReachesOnlyTheHiddenColumnBeyondTheEdge) {
    Gridlet g;
    showMap(g);
    const Charset charset = g.document().charset;
    g.clickGlyph(65);
    // Row 2: 15 pixels past the right edge is the hidden column 40.
    hoverAt(g, 632, 2 * 16 + 8);
    g.ui.press_on_canvas(mapView, button_left, 632, 2 * 16 + 8);
    g.ui.move_on_canvas(mapView, 640 + 15, 2 * 16 + 8);
    g.run();
    // The title names the code the cell holds after the paint.
    EXPECT_EQ(g.windowTitle(mapWindow), "Character map (40,2):65[41]");
    g.ui.release_on_canvas(mapView, button_left, 640 + 15, 2 * 16 + 8);
    // Row 3: 16 pixels past it is column 41, which the map does not accept.
    hoverAt(g, 632, 3 * 16 + 8);
    g.ui.press_on_canvas(mapView, button_left, 632, 3 * 16 + 8);
    g.ui.move_on_canvas(mapView, 640 + 16, 3 * 16 + 8);
    g.ui.release_on_canvas(mapView, button_left, 640 + 16, 3 * 16 + 8);
    // Row 4: positions -15..-1 still fall in column 0, -16 in column -1.
    hoverAt(g, 2 * 16 + 8, 4 * 16 + 8);
    g.ui.press_on_canvas(mapView, button_left, 2 * 16 + 8, 4 * 16 + 8);
    g.ui.move_on_canvas(mapView, -15, 4 * 16 + 8);
    g.ui.move_on_canvas(mapView, -16, 4 * 16 + 8);
    g.ui.release_on_canvas(mapView, button_left, -16, 4 * 16 + 8);
    g.run();
    EXPECT_EQ(g.windowTitle(mapWindow), "Character map (0,4):65[41]");
    EXPECT_EQ(g.document().charset, charset);

    for (int column = 0; column < mapColumns; ++column) {
        for (int row = 0; row < mapRows; ++row) {
            const bool painted = (row == 2 && (column == 39 || column == 40)) ||
                                 (row == 3 && column == 39) ||
                                 (row == 4 && (column == 0 || column == 2));
            ASSERT_EQ(g.document().mapCells[column][row], painted ? 65 : column + 32)
                << column << ", " << row;
        }
    }
}

TEST(MapViewHover, OutlinesTheCellAndTitlesItFromTheSecondMove) {
    Gridlet g;
    showMap(g);
    g.ui.run([&g] { g.state.editor.changeDocument().mapCells[3][5] = 65; });
    g.ui.move_on_canvas(mapView, 3 * 16 + 5, 5 * 16 + 5); // mouse enter: ignored
    g.run();
    EXPECT_EQ(g.windowTitle(mapWindow), "Character map");
    EXPECT_EQ(redPixels(g), 0);

    g.ui.move_on_canvas(mapView, 3 * 16 + 6, 5 * 16 + 5);
    g.run();
    EXPECT_EQ(g.windowTitle(mapWindow), "Character map (3,5):65[41]");
    expectOutlineOn(g, 3, 5);

    // The next cell takes the outline away from the first.
    g.ui.move_on_canvas(mapView, 0 * 16 + 2, 7 * 16 + 15);
    g.run();
    EXPECT_EQ(g.windowTitle(mapWindow), "Character map (0,7):32[20]");
    expectOutlineOn(g, 0, 7);
}

TEST(MapViewHover, OutlineAndTitleStayAfterTheMouseLeaves) {
    Gridlet g;
    showMap(g);
    hoverAt(g, 3 * 16 + 6, 5 * 16 + 6);
    g.ui.move_mouse(mapWindow, 700, 500); // beyond the 640 x 384 view
    g.run();
    EXPECT_FALSE(find_gadget(mapView)->mouse_inside);
    EXPECT_EQ(g.windowTitle(mapWindow), "Character map (3,5):35[23]");
    expectOutlineOn(g, 3, 5);
}

TEST(MapViewRightButton, ARightClickSelectsTheCellEvenWhenThePopupIsDismissed) {
    Gridlet g;
    showMap(g);
    const MapCells before = g.document().mapCells;
    hoverAt(g, 5 * 16 + 3, 7 * 16 + 3);
    g.ui.press_on_canvas(mapView, button_right, 5 * 16 + 3, 7 * 16 + 3);
    // A move with the right button held hovers but paints nothing.
    g.ui.move_on_canvas(mapView, 6 * 16 + 3, 7 * 16 + 3);
    g.ui.move_on_canvas(mapView, 5 * 16 + 4, 7 * 16 + 3);
    g.ui.release_on_canvas(mapView, button_right, 5 * 16 + 4, 7 * 16 + 3);
    g.run();
    EXPECT_EQ(g.ui.popups_shown, std::vector<int>{mapPopupMenu});
    EXPECT_EQ(g.state.windows.pointer.popupCell.column, 5);
    EXPECT_EQ(g.state.windows.pointer.popupCell.row, 7);
    EXPECT_EQ(g.document().mapCells, before);
    EXPECT_TRUE(g.ui.messages_shown.empty());
}

} // namespace
