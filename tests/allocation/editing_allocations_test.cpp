// Editing runs in steady state without touching the heap: painting pixels and moving the
// cursor, each redrawing what changed and rewriting the status texts. Measured on the
// headless binding, from the scripted input to the handled events; the script itself is
// queued before counting starts.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "allocation_count.h"
#include "app/menu_ids.h"
#include "editing_scripts.h"
#include "toolkit/windows.h"
#include "views/charset_image.h"

namespace {

constexpr int edits = 1000;

class EditingAllocations : public ::testing::Test {
  protected:
    // One pass over every cell and every code first: the texts and queues grow to their
    // largest size once, as they do in the first moments of any session.
    void SetUp() override {
        scriptGlyphStrokes(g, 128);
        scriptCursorMoves(g, 256);
        g.run();
        pixelsBefore = g.ui.canvas_pixels_drawn;
    }

    long countedRun() {
        startCountingAllocations();
        g.run();
        return stopCountingAllocations();
    }

    Gridlet g;
    int64_t pixelsBefore = 0;
};

TEST_F(EditingAllocations, PaintingPixelsAllocatesNothing) {
    scriptGlyphStrokes(g, edits);
    EXPECT_EQ(countedRun(), 0);

    // Every pixel redrew its glyph's cell on the charset view and its cell on the glyph editor;
    // no map cell shows the glyph.
    EXPECT_EQ(g.ui.canvas_pixels_drawn - pixelsBefore, 2 * 16 * 16 * edits);
    // 15 whole strokes end with the glyph set; the 16th, with the right button, clears the
    // first 40 cells: five rows.
    for (int row = 0; row < 8; ++row)
        EXPECT_EQ(g.document().charset[g.state.editor.currentChar() * 8 + row],
                  row < 5 ? 0x00 : 0xFF);
    EXPECT_EQ(g.gadgetText(dataField), "0,0,0,0,0,255,255,255");
}

// Wide pixels in the multicolour look, over a map whose cells show the glyph in single colour
// and in multicolour; the first strokes redraw everything in the new look.
TEST_F(EditingAllocations, PaintingInC64MulticolourAllocatesNothing) {
    g.ui.choose_menu_item(mainWindow, mapPcId); // shows the map, 80 x 50
    g.ui.choose_menu_item(mainWindow, colorModeId + int(ColorMode::c64Multi));
    Document& document = g.state.editor.changeDocument();
    for (int column = 0; column < mapColumns; ++column) {
        for (int row = 0; row < mapRows; ++row) {
            document.mapCells[column][row] = column % 8 == 0 ? g.state.editor.currentChar() : 1;
            document.mapColors[column][row] = uint8_t(column * 3 + row);
        }
    }
    scriptGlyphStrokes(g, 128);
    g.run();
    const int64_t before = g.ui.canvas_pixels_drawn;
    scriptGlyphStrokes(g, edits);
    EXPECT_EQ(countedRun(), 0);

    // The pen paints the pair 11 over the whole glyph; the last stroke clears five rows.
    for (int row = 0; row < 8; ++row)
        EXPECT_EQ(g.document().charset[g.state.editor.currentChar() * 8 + row],
                  row < 5 ? 0x00 : 0xFF);
    EXPECT_GT(g.ui.canvas_pixels_drawn - before, 2 * 16 * 16 * edits); // and the map's cells
}

TEST_F(EditingAllocations, MovingTheCursorAllocatesNothing) {
    scriptCursorMoves(g, edits);
    EXPECT_EQ(countedRun(), 0);

    // 62 steps down and 938 right, from the start cell.
    EXPECT_EQ(charsetCell(g.state.editor.currentChar()).row, 62 % 16);
    EXPECT_EQ(charsetCell(g.state.editor.currentChar()).column, 938 % 16);
    EXPECT_EQ(g.windowTitle(mainWindow), "gridlet v2 0.9f 234($EA)'\xC3\xAA'");
    // The old and the new cursor cell; every glyph is blank, so the editor stays as it is.
    EXPECT_EQ(g.ui.canvas_pixels_drawn - pixelsBefore, 2 * 16 * 16 * edits);
}

TEST(AllocationCount, CountsOnlyWhatIsMadeWhileCounting) {
    auto before = std::make_unique<int>(1);
    startCountingAllocations();
    auto during = std::make_unique<int>(2);
    std::vector<int> grown{1, 2, 3};
    const long counted = stopCountingAllocations();
    auto after = std::make_unique<int>(3);
    EXPECT_EQ(counted, 2);
}

} // namespace
