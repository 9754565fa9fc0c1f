// The colour modes through the event loop: the mode menu, pens and keys, wide-pixel painting and
// transforms, colour-only map painting, map edits carrying colours, and their undo.
#include <gtest/gtest.h>

#include "app/menu_ids.h"
#include "gridlet_harness.h"
#include "toolkit/menus.h"
#include "toolkit/windows.h"

using namespace toolkit;

namespace {

void choose(Gridlet& g, int id) {
    g.ui.choose_menu_item(mainWindow, id);
    g.run();
}

void chooseMode(Gridlet& g, ColorMode mode) {
    choose(g, colorModeId + int(mode));
}

// Paints the wide pixel `pair` (0..3) of glyph row `row` with the button.
void paintWide(Gridlet& g, int button, int pair, int row) {
    g.ui.press_on_canvas(glyphEditor, button, pair * 32 + 20, row * 16 + 8);
    g.ui.release_on_canvas(glyphEditor, button, pair * 32 + 20, row * 16 + 8);
    g.run();
}

TEST(ColorModes, TheModeMenuMarksOneModeAndUndoTakesItBack) {
    Gridlet g;
    chooseMode(g, ColorMode::c64Multi);
    EXPECT_EQ(g.document().colorMode, ColorMode::c64Multi);
    for (int mode = 0; mode < colorModeCount; ++mode)
        EXPECT_EQ(get_menu_item_checked(mainMenu, colorModeId + mode), mode == 2 ? 1 : 0);
    EXPECT_EQ(get_menu_item_enabled(mainMenu, rotateClockwiseId), 0);
    choose(g, undoId);
    EXPECT_EQ(g.document().colorMode, ColorMode::twoColors);
    EXPECT_EQ(get_menu_item_enabled(mainMenu, rotateClockwiseId), 1);
    choose(g, redoId);
    EXPECT_EQ(g.document().colorMode, ColorMode::c64Multi);
}

TEST(ColorModes, EachPenKeyPaintsItsBitPairAndTheRightButtonClears) {
    Gridlet g;
    g.clickGlyph(0);
    chooseMode(g, ColorMode::c64Multi);
    for (int pen = 0; pen < 4; ++pen) {
        g.tapKey('1' + pen);
        g.run();
        EXPECT_EQ(g.document().pen, pen);
        paintWide(g, button_left, pen, 3);
    }
    EXPECT_EQ(g.document().charset[3], 0b00011011); // 00 01 10 11
    paintWide(g, button_right, 3, 3);
    EXPECT_EQ(g.document().charset[3], 0b00011000);
    choose(g, undoId);
    EXPECT_EQ(g.document().charset[3], 0b00011011);
}

TEST(ColorModes, TransformsOverARangeMoveWidePixelsAndRotationsChangeNothing) {
    Gridlet g;
    g.ui.run([&g] {
        Charset& charset = g.state.editor.changeGlyphs();
        for (int code = 10; code <= 12; ++code) charset[size_t(code * 8)] = 0b11100100;
    });
    chooseMode(g, ColorMode::atari4);
    g.ui.move_trackbar(beginRangeTrackbar, 10);
    g.ui.move_trackbar(endRangeTrackbar, 12);
    g.ui.click_gadget(rangeCheckbox);
    g.run();
    const struct {
        int command;
        uint8_t row;
    } steps[] = {{mirrorLeftRightId, 0b00011011},
                 {shiftLeftId, 0b01101100},
                 {shiftRightId, 0b00011011},
                 {rotateClockwiseId, 0b00011011},
                 {rotateAnticlockwiseId, 0b00011011}};
    for (const auto& step : steps) {
        choose(g, step.command);
        for (int code = 10; code <= 12; ++code)
            EXPECT_EQ(g.document().charset[size_t(code * 8)], step.row) << step.command;
        EXPECT_EQ(g.document().charset[13 * 8], 0);
    }
}

class MapColors : public ::testing::Test {
  protected:
    void SetUp() override {
        choose(g, mapAtariId);
        g.clickGlyph(65);
        g.ui.run([this] {
            MachineColors colors = g.document().machineColors;
            colors.c64Ink = 7;
            g.state.editor.setMachineColors(colors);
        });
        chooseMode(g, ColorMode::c64Single);
    }
    uint8_t colorAt(int column, int row) const { return g.document().mapColors[column][row]; }
    void clickCell(int column, int row, int button = button_left) {
        g.ui.click_on_canvas(mapView, button, column * 16 + 8, row * 16 + 8);
        g.run();
    }
    Gridlet g;
};

TEST_F(MapColors, PaintingWritesCodeAndColourAndShiftOnlyTheColour) {
    clickCell(2, 1);
    EXPECT_EQ(g.document().mapCells[2][1], 65);
    EXPECT_EQ(colorAt(2, 1), 7);
    const int32_t before = g.document().mapCells[3][1];
    g.ui.hold_modifiers(modifier_shift);
    clickCell(3, 1);
    EXPECT_EQ(g.document().mapCells[3][1], before);
    EXPECT_EQ(colorAt(3, 1), 7);
    choose(g, undoId);
    EXPECT_EQ(colorAt(3, 1), startCellColor);
    // In two colours the map paints codes only, Shift or not, and the colours stay.
    chooseMode(g, ColorMode::twoColors);
    g.clickGlyph(66);
    clickCell(2, 1);
    EXPECT_EQ(g.document().mapCells[2][1], 66);
    EXPECT_EQ(colorAt(2, 1), 7);
}

TEST_F(MapColors, FillAndTheMapEditsCarryTheColours) {
    clickCell(5, 2);
    g.ui.answer_popup(insertMapCharId);
    clickCell(4, 2, button_right);
    EXPECT_EQ(g.document().mapCells[6][2], 65);
    EXPECT_EQ(colorAt(6, 2), 7);
    EXPECT_EQ(colorAt(4, 2), 7); // the emptied cell takes the painting colour
    g.ui.answer_popup(deleteMapLineId);
    clickCell(0, 1, button_right);
    EXPECT_EQ(colorAt(6, 1), 7);
    EXPECT_EQ(colorAt(6, 2), startCellColor);
    choose(g, fillMapId);
    for (const auto& [column, row] : {std::pair{0, 0}, std::pair{39, 23}})
        EXPECT_EQ(colorAt(column, row), 7);
    EXPECT_EQ(colorAt(40, 0), startCellColor); // hidden cells keep theirs
    choose(g, undoId);
    EXPECT_EQ(colorAt(0, 0), startCellColor);
}

} // namespace
