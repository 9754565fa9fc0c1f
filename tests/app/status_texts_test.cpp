// The status title, the range labels and moving the cursor with wrap-around.
#include <gtest/gtest.h>

#include "app/menu_ids.h"
#include "gridlet_harness.h"
#include "views/charset_image.h"
#include "views/status_texts.h"

using namespace toolkit;

namespace {

TEST(StatusTexts, DescribeCodes) {
    EXPECT_EQ(describeCode(65, false), "65($41)'A'");
    EXPECT_EQ(describeCode(7, false), "7($07)");
    EXPECT_EQ(describeCode(31, false), "31($1F)");
    EXPECT_EQ(describeCode(32, false), "32($20)' '");
    EXPECT_EQ(describeCode(127, false), "127($7F)'\x7F'");
    EXPECT_EQ(describeCode(200, false), "200($C8)'\xC3\x88'");     // Windows-1252: E with grave
    EXPECT_EQ(describeCode(128, false), "128($80)'\xE2\x82\xAC'"); // the euro sign
}

TEST(StatusTexts, AtariScreenCodes) {
    EXPECT_EQ(describeCode(0, true), "0($00)' '");
    EXPECT_EQ(describeCode(33, true), "33($21)'A'");
    EXPECT_EQ(describeCode(63, true), "63($3F)'_'");
    EXPECT_EQ(describeCode(64, true), "64($40)");
    EXPECT_EQ(describeCode(65, true), "65($41)");
    EXPECT_EQ(describeCode(97, true), "97($61)'a'");
    EXPECT_EQ(describeCode(122, true), "122($7A)'z'");
    EXPECT_EQ(describeCode(123, true), "123($7B)");
}

TEST(StatusTexts, MapHoverTitle) {
    EXPECT_EQ(mapHoverTitle(3, 5, 65), "Character map (3,5):65[41]");
    EXPECT_EQ(mapHoverTitle(0, 0, 7), "Character map (0,0):7[07]");
}

TEST(StatusTexts, TitleFollowsTheCursorAndWraps) {
    Gridlet g;
    g.clickGlyph(5);
    g.tapKey(vk_up); // from code 5 to row 15, column 5
    g.run();
    EXPECT_EQ(g.state.editor.currentChar(), 245);
    EXPECT_EQ(g.windowTitle(mainWindow), "gridlet v2 0.9f 245($F5)'\xC3\xB5'");
    g.clickGlyph(16);
    g.tapKey(vk_left); // from column 0 to column 15 of the same row
    g.run();
    EXPECT_EQ(g.state.editor.currentChar(), 31);
    EXPECT_EQ(g.windowTitle(mainWindow), "gridlet v2 0.9f 31($1F)");
    EXPECT_EQ(charsetCell(g.state.editor.currentChar()).row * 16 +
                  charsetCell(g.state.editor.currentChar()).column,
              31);
}

TEST(StatusTexts, AtariTitleLastsUntilTheNextMenuCommand) {
    Gridlet g;
    g.ui.choose_menu_item(mainWindow, charsetAtariId);
    g.clickGlyph(33);
    g.run();
    EXPECT_TRUE(g.state.windows.atariCodes);
    EXPECT_EQ(g.windowTitle(mainWindow), "gridlet v2 0.9f 33($21)'A'");
    g.ui.choose_menu_item(mainWindow, invertId);
    g.clickGlyph(33);
    g.run();
    EXPECT_FALSE(g.state.windows.atariCodes);
    EXPECT_EQ(g.windowTitle(mainWindow), "gridlet v2 0.9f 33($21)'!'");
}

TEST(StatusTexts, RangeLabelsFollowTheTrackbars) {
    Gridlet g;
    g.ui.move_trackbar(beginRangeTrackbar, 65);
    g.ui.move_trackbar(endRangeTrackbar, 10);
    g.run();
    EXPECT_EQ(g.gadgetText(beginRangeLabel), "BeginRange:65:A");
    EXPECT_EQ(g.gadgetText(endRangeLabel), "End range:10");
    g.ui.move_trackbar(beginRangeTrackbar, 31);
    g.ui.move_trackbar(endRangeTrackbar, 32);
    g.run();
    EXPECT_EQ(g.gadgetText(beginRangeLabel), "BeginRange:31");
    EXPECT_EQ(g.gadgetText(endRangeLabel), "End range:32: ");
}

TEST(StatusTexts, DataFieldListsTheRows) {
    Gridlet g;
    g.ui.run([&] {
        const uint8_t rows[8] = {0, 24, 36, 66, 126, 66, 66, 0};
        std::copy_n(rows, 8, g.state.editor.changeDocument().charset.begin() + 65 * 8);
    });
    g.clickGlyph(65);
    g.run();
    EXPECT_EQ(g.gadgetText(dataField), "0,24,36,66,126,66,66,0");
}

} // namespace
