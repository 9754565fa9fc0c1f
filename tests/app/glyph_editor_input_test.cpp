#include <gtest/gtest.h>

#include <algorithm>

#include "gridlet_harness.h"
#include "toolkit/windows.h"

namespace {

using toolkit::button_left;
using toolkit::button_right;

constexpr int editedChar = 65;

class GlyphEditorInput : public ::testing::Test {
  protected:
    void SetUp() override { g.state.editor.setCurrentChar(editedChar); }

    uint8_t glyphRow(int row) const { return g.document().charset[editedChar * 8 + row]; }
    void setGlyphRow(int row, uint8_t bits) {
        g.state.editor.changeDocument().charset[editedChar * 8 + row] = bits;
    }
    bool onlyEditedGlyphDiffersFrom(const Charset& before) const {
        for (int i = 0; i < machineCharsetBytes; ++i) {
            if (i / 8 != editedChar && g.document().charset[i] != before[i]) return false;
        }
        return true;
    }

    Gridlet g;
};

TEST_F(GlyphEditorInput, LeftPressSetsThePixelUnderTheMouseAndRedraws) {
    g.ui.press_on_canvas(glyphEditor, button_left, 20, 40);
    g.run();

    EXPECT_EQ(g.document().charset[522], 64);
    EXPECT_EQ(std::count(g.document().charset.begin(), g.document().charset.end(), 0),
              machineCharsetBytes - 1);
    EXPECT_EQ(g.gadgetText(dataField), "0,0,64,0,0,0,0,0");
    EXPECT_EQ(g.canvas(glyphEditor).color_at(20, 40), g.document().inkColor);
}

TEST_F(GlyphEditorInput, RightButtonErasesWhereItPressesAndMoves) {
    setGlyphRow(0, 0xFF);
    g.ui.press_on_canvas(glyphEditor, button_right, 40, 8); // column 2
    g.ui.move_on_canvas(glyphEditor, 41, 8);                // mouse enter
    g.ui.move_on_canvas(glyphEditor, 56, 8);                // column 3
    g.run();

    EXPECT_EQ(glyphRow(0), 0xCF);
}

TEST_F(GlyphEditorInput, DraggingPaintsOnlyTheReportedCells) {
    g.ui.press_on_canvas(glyphEditor, button_left, 8, 8);
    g.ui.move_on_canvas(glyphEditor, 9, 8);   // mouse enter
    g.ui.move_on_canvas(glyphEditor, 120, 8); // a fast jump over columns 1 to 6
    g.ui.move_on_canvas(glyphEditor, 120, 120);
    g.run();

    EXPECT_EQ(glyphRow(0), 0x81);
    EXPECT_EQ(glyphRow(7), 0x01);
    for (int row = 1; row < 7; ++row) EXPECT_EQ(glyphRow(row), 0) << "row " << row;
}

TEST_F(GlyphEditorInput, DraggingOutOfTheEditorNeverLeavesTheGlyph) {
    const Charset before = g.document().charset;
    g.ui.press_on_canvas(glyphEditor, button_left, 120, 120);
    g.ui.move_on_canvas(glyphEditor, 121, 120); // mouse enter
    for (const auto& [x, y] : {std::pair{140, 120},
                               {120, 140},
                               {200, 300},
                               {-20, 60},
                               {60, -20},
                               {128, 0},
                               {0, 128},
                               {-200, -200}}) {
        g.ui.move_on_canvas(glyphEditor, x, y);
    }
    // Toward zero, so up to 15 pixels left of the editor still means column 0.
    g.ui.move_on_canvas(glyphEditor, -5, 60);
    g.run();

    EXPECT_TRUE(onlyEditedGlyphDiffersFrom(before));
    EXPECT_EQ(glyphRow(7), 0x01);
    EXPECT_EQ(glyphRow(3), 0x80);
    for (int row : {0, 1, 2, 4, 5, 6}) EXPECT_EQ(glyphRow(row), 0) << "row " << row;
}

TEST_F(GlyphEditorInput, BothButtonsHeldPaint) {
    g.ui.press_on_canvas(glyphEditor, button_left, 8, 8);
    g.ui.move_on_canvas(glyphEditor, 9, 8); // mouse enter
    g.ui.press_on_canvas(glyphEditor, button_right, 24, 8);
    g.ui.move_on_canvas(glyphEditor, 40, 8);
    g.ui.move_on_canvas(glyphEditor, 56, 24);
    g.run();

    EXPECT_EQ(glyphRow(0), 0xA0); // columns 0 and 2; the right press itself erased column 1
    EXPECT_EQ(glyphRow(1), 0x10);
}

TEST_F(GlyphEditorInput, FirstMoveIntoTheEditorIsAnEnterAndPaintsNothing) {
    g.ui.press_on_canvas(glyphEditor, button_left, 8, 8); // before any movement: paints
    g.ui.move_on_canvas(glyphEditor, 40, 8);              // mouse enter, button held
    g.ui.move_on_canvas(glyphEditor, 72, 8);
    g.run();

    EXPECT_EQ(glyphRow(0), 0x88); // columns 0 and 4, not 2
}

TEST_F(GlyphEditorInput, MovesWithoutAButtonAndReleasesPaintNothing) {
    g.ui.move_on_canvas(glyphEditor, 8, 8);
    g.ui.move_on_canvas(glyphEditor, 24, 8);
    g.ui.press_on_canvas(glyphEditor, button_left, 40, 8);
    g.ui.release_on_canvas(glyphEditor, button_left, 40, 8);
    g.ui.move_on_canvas(glyphEditor, 56, 8);
    g.run();

    EXPECT_EQ(glyphRow(0), 0x20);
}

TEST_F(GlyphEditorInput, EveryAcceptedCellRedrawsEvenWhenUnchanged) {
    setGlyphRow(0, 0x80);
    const int before = g.ui.canvas_redraws;
    g.ui.press_on_canvas(glyphEditor, button_left, 8, 8);
    g.run();
    const int afterPress = g.ui.canvas_redraws;
    g.ui.move_on_canvas(glyphEditor, 9, 8);   // mouse enter
    g.ui.move_on_canvas(glyphEditor, 200, 8); // outside: ignored
    g.ui.move_on_canvas(glyphEditor, 8, -20); // outside: ignored
    g.run();

    EXPECT_EQ(glyphRow(0), 0x80);
    EXPECT_GT(afterPress, before);
    EXPECT_EQ(g.ui.canvas_redraws, afterPress);
    EXPECT_EQ(g.gadgetText(dataField), "128,0,0,0,0,0,0,0");
}

} // namespace
