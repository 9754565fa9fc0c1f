// The Colours window: opened from the menu, hidden by its close box, and its rows of swatches
// choosing the machine's colours (one undo step each, followed by the views) and the pen.
#include <gtest/gtest.h>

#include "app/menu_ids.h"
#include "gridlet_harness.h"
#include "model/palettes.h"
#include "toolkit/windows.h"

using namespace toolkit;

namespace {

// A swatch of a row: the row canvas and a position on the swatch of the number.
void clickSwatch(Gridlet& g, int row, int number, int count) {
    const int width = 512 / count;
    g.ui.click_on_canvas(colorRowSwatches + row, button_left, number * width + width / 2, 10);
    g.run();
}

// The paper of a blank glyph away from the cursor, on the charset view.
Color charsetPaper(const Gridlet& g) {
    return g.canvas(charsetView).color_at(248, 248);
}

// The row's mark: black under the chosen swatch only.
int markedSwatch(const Gridlet& g, int row, int count) {
    const int width = 512 / count;
    int marked = -1;
    for (int number = 0; number < count; ++number) {
        if (g.canvas(colorRowSwatches + row).color_at(number * width + width / 2, 25) != 0)
            continue;
        if (marked >= 0) return -2;
        marked = number;
    }
    return marked;
}

Gridlet& inMode(Gridlet& g, int mode) {
    g.ui.choose_menu_item(mainWindow, colorsWindowId);
    g.ui.choose_menu_item(mainWindow, colorModeId + mode);
    g.run();
    return g;
}

TEST(ColorsWindow, TheMenuShowsItAndItsCloseBoxHidesIt) {
    Gridlet g;
    const WindowRecord* colors = find_window(colorsWindow);
    ASSERT_NE(colors, nullptr);
    EXPECT_FALSE(colors->visible);
    EXPECT_EQ(colors->title, "Colours");
    for (int turn = 0; turn < 2; ++turn) {
        g.ui.choose_menu_item(mainWindow, colorsWindowId);
        g.run();
        EXPECT_TRUE(colors->visible);
        g.ui.request_close(colorsWindow);
        g.run();
        EXPECT_FALSE(colors->visible);
        EXPECT_FALSE(g.ended);
    }
    // Two colours have no rows: the window points to the menu items that choose them.
    EXPECT_NE(g.gadgetText(colorRowLabels).find("\"Color for bit=0...\""), std::string::npos);
}

TEST(ColorsWindow, ASwatchSetsTheBackgroundAndTheViewsFollowUntilUndone) {
    Gridlet g;
    inMode(g, 2); // C64 multicolour
    EXPECT_EQ(g.gadgetText(colorRowLabels), "Background ($D021): 6");
    EXPECT_EQ(charsetPaper(g), c64Palette[6]);
    EXPECT_EQ(markedSwatch(g, 0, 16), 6);

    clickSwatch(g, 0, 11, 16);
    EXPECT_EQ(g.document().machineColors.c64Background, 11);
    EXPECT_EQ(charsetPaper(g), c64Palette[11]);
    EXPECT_EQ(g.gadgetText(colorRowLabels), "Background ($D021): 11");
    EXPECT_EQ(markedSwatch(g, 0, 16), 11);

    g.tapKey('Z', modifier_control);
    g.run();
    EXPECT_EQ(g.document().machineColors.c64Background, 6);
    EXPECT_EQ(charsetPaper(g), c64Palette[6]);
    EXPECT_EQ(g.gadgetText(colorRowLabels), "Background ($D021): 6");
    EXPECT_EQ(markedSwatch(g, 0, 16), 6);
}

TEST(ColorsWindow, EachModesRowsSetTheirColour) {
    struct Case {
        int mode, row, number, count;
        void (*expect)(MachineColors&);
        const char* label;
    };
    const Case cases[] = {
        {1, 1, 3, 16, [](MachineColors& c) { c.c64Ink = 3; }, "Painted colour (colour RAM): 3"},
        {2, 1, 5, 16, [](MachineColors& c) { c.c64Multi1 = 5; }, "Multicolour 1 ($D022): 5"},
        {2, 2, 0, 16, [](MachineColors& c) { c.c64Multi2 = 0; }, "Multicolour 2 ($D023): 0"},
        {3, 0, 0x4C, 128, [](MachineColors& c) { c.atari[colbk] = 0x98; },
         "COLBK (bits 00): $98 (hue 9, luminance 4)"},
        {3, 4, 7, 128, [](MachineColors& c) { c.atari[colpf3] = 0x0E; },
         "COLPF3 (bits 11 of codes 128-255): $0E (hue 0, luminance 7)"},
        {4, 0, 2, 8, [](MachineColors& c) { c.spectrumAttribute = 0x3A; }, "Ink: 2"},
        {4, 1, 1, 8, [](MachineColors& c) { c.spectrumAttribute = 0x08; }, "Paper: 1"},
        {4, 2, 1, 2, [](MachineColors& c) { c.spectrumAttribute = 0x78; }, "Bright: 1"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.label);
        Gridlet g;
        inMode(g, test.mode);
        clickSwatch(g, test.row, test.number, test.count);
        MachineColors expected;
        test.expect(expected);
        EXPECT_EQ(g.document().machineColors, expected);
        EXPECT_EQ(g.gadgetText(colorRowLabels + test.row), test.label);
        EXPECT_EQ(markedSwatch(g, test.row, test.count), test.number);
    }
}

// The border is no colour of the views, but the exported programs' $D020: its row sets it alone.
TEST(ColorsWindow, TheBorderRowSetsTheBorderAsOneUndoStep) {
    for (const int mode : {1, 2}) {
        Gridlet g;
        inMode(g, mode);
        const int borderRow = mode == 1 ? 2 : 4;
        const Document before = g.document();
        clickSwatch(g, borderRow, 4, 16);
        EXPECT_EQ(g.document().c64Border, 4);
        EXPECT_EQ(g.document().machineColors, before.machineColors);
        EXPECT_EQ(g.gadgetText(colorRowLabels + borderRow),
                  "Border ($D020, shown by the exported programs): 4");
        g.tapKey('Z', modifier_control);
        g.run();
        EXPECT_EQ(g.document(), before);
        EXPECT_EQ(markedSwatch(g, borderRow, 16), 14);
    }
}

TEST(ColorsWindow, ThePenRowChoosesTheBitsTheLeftButtonPaints) {
    Gridlet g;
    inMode(g, 2);
    const int penRow = 5;
    // Its swatches show the four pairs' colours: background, $D022, $D023, the painted colour.
    const Color pairs[] = {c64Palette[6], c64Palette[1], c64Palette[2], c64Palette[13 & 7]};
    for (int pair = 0; pair < 4; ++pair)
        EXPECT_EQ(g.canvas(colorRowSwatches + penRow).color_at(pair * 128 + 64, 10), pairs[pair]);
    clickSwatch(g, penRow, 2, 4);
    EXPECT_EQ(g.document().pen, 2);
    EXPECT_EQ(g.gadgetText(colorRowLabels + penRow), "Pen (the bits the left button paints): 10");
    EXPECT_EQ(markedSwatch(g, penRow, 4), 2);
    g.tapKey('4');
    g.run();
    EXPECT_EQ(markedSwatch(g, penRow, 4), 3); // the keys choose it too, and the row follows
}

} // namespace
