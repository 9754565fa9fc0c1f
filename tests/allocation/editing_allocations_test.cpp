// Editing runs in steady state without touching the heap: painting pixels and moving the
// cursor, each redrawing what changed and rewriting the status texts. Measured on the
// headless binding, from the scripted input to the handled events; the script itself is
// queued before counting starts.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "allocation_count.h"
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
