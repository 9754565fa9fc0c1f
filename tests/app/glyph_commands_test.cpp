// Glyph transforms, range commands, erasing and colours, as the menus, buttons and keys run them.
#include <gtest/gtest.h>

#include <random>

#include "app/menu_ids.h"
#include "gridlet_harness.h"
#include "toolkit/menus.h"

using namespace toolkit;

namespace {

Charset randomCharset(unsigned seed) {
    std::mt19937 random(seed);
    Charset charset;
    for (uint8_t& byte : charset) byte = uint8_t(random());
    return charset;
}

void setCharset(Gridlet& g, const Charset& charset) {
    g.ui.run([&g, charset] { g.state.editor.changeDocument().charset = charset; });
}

bool glyphEquals(const Charset& a, const Charset& b, int code) {
    return std::equal(a.begin() + code * 8, a.begin() + code * 8 + 8, b.begin() + code * 8);
}

void tickRange(Gridlet& g, int begin, int end) {
    g.ui.move_trackbar(beginRangeTrackbar, begin);
    g.ui.move_trackbar(endRangeTrackbar, end);
    g.ui.click_gadget(rangeCheckbox);
}

TEST(GlyphCommands, RangeInEitherOrderTransformsExactlyItsGlyphs) {
    Gridlet g;
    const Charset before = randomCharset(1);
    setCharset(g, before);
    tickRange(g, 20, 10);
    g.clickGlyph(100);
    g.ui.choose_menu_item(mainWindow, invertId);
    g.run();
    for (int code = 0; code < 256; ++code) {
        const bool inRange = code >= 10 && code <= 20;
        for (int row = 0; row < 8; ++row)
            ASSERT_EQ(g.document().charset[code * 8 + row],
                      inRange ? uint8_t(~before[code * 8 + row]) : before[code * 8 + row])
                << "code " << code;
    }
    EXPECT_EQ(g.state.editor.currentChar(), 100);
}

TEST(GlyphCommands, OneValueRangeTransformsOneGlyphWhateverTheCurrentChar) {
    Gridlet g;
    const Charset before = randomCharset(2);
    setCharset(g, before);
    tickRange(g, 77, 77);
    g.ui.choose_menu_item(mainWindow, clearCharId);
    g.run();
    for (int code = 0; code < 256; ++code) {
        if (code == 77)
            EXPECT_FALSE(glyphEquals(g.document().charset, before, code));
        else
            ASSERT_TRUE(glyphEquals(g.document().charset, before, code));
    }
}

TEST(GlyphCommands, WithoutTheCheckboxOnlyTheCurrentCharChanges) {
    Gridlet g;
    const Charset before = randomCharset(3);
    setCharset(g, before);
    g.ui.move_trackbar(beginRangeTrackbar, 0);
    g.ui.move_trackbar(endRangeTrackbar, 255);
    g.clickGlyph(42);
    g.ui.press_key('I', modifier_control); // Ctrl+I inverts
    g.run();
    for (int code = 0; code < 256; ++code)
        ASSERT_EQ(glyphEquals(g.document().charset, before, code), code != 42) << code;
    EXPECT_EQ(g.document().charset[42 * 8], uint8_t(~before[42 * 8]));
}

TEST(GlyphCommands, ShiftButtonsAndMenuItemsAreTheSameTransform) {
    Gridlet g;
    g.ui.run([&] { g.state.editor.changeDocument().charset[0] = 0x81; });
    g.ui.click_gadget(shiftLeftButton);
    g.run();
    EXPECT_EQ(g.document().charset[0], 0x03);
    g.ui.choose_menu_item(mainWindow, shiftRightId);
    g.ui.click_gadget(shiftRightButton);
    g.run();
    EXPECT_EQ(g.document().charset[0], 0xC0);
    g.ui.click_gadget(shiftUpButton);
    g.run();
    EXPECT_EQ(g.document().charset[0], 0);
    EXPECT_EQ(g.document().charset[7], 0xC0);
    g.ui.click_gadget(shiftDownButton);
    g.ui.choose_menu_item(mainWindow, shiftDownId);
    g.run();
    EXPECT_EQ(g.document().charset[1], 0xC0);
    EXPECT_EQ(g.gadgetText(dataField), "0,192,0,0,0,0,0,0");
}

TEST(GlyphCommands, RotationsAndMirrorsFromTheMenu) {
    Gridlet g;
    g.ui.run([&] { g.state.editor.changeDocument().charset[0] = 0x80; });
    g.ui.choose_menu_item(mainWindow, rotateClockwiseId);
    g.run();
    EXPECT_EQ(g.document().charset[0], 0x01);
    g.ui.choose_menu_item(mainWindow, rotateAnticlockwiseId);
    g.ui.choose_menu_item(mainWindow, mirrorUpDownId);
    g.run();
    EXPECT_EQ(g.document().charset[0], 0x00);
    EXPECT_EQ(g.document().charset[7], 0x80);
    g.ui.choose_menu_item(mainWindow, mirrorLeftRightId);
    g.run();
    EXPECT_EQ(g.document().charset[7], 0x01);
    EXPECT_EQ(g.gadgetText(dataField), "0,0,0,0,0,0,0,1");
}

TEST(GlyphCommands, CopyRangeToCurrent) {
    Gridlet g;
    const Charset before = randomCharset(4);
    setCharset(g, before);
    g.ui.move_trackbar(beginRangeTrackbar, 20);
    g.ui.move_trackbar(endRangeTrackbar, 10);
    g.clickGlyph(40);
    g.ui.choose_menu_item(mainWindow, copyRangeId);
    g.run();
    EXPECT_TRUE(g.ui.messages_shown.empty());
    for (int i = 0; i <= 10; ++i) {
        EXPECT_TRUE(std::equal(before.begin() + (10 + i) * 8, before.begin() + (11 + i) * 8,
                               g.document().charset.begin() + (40 + i) * 8));
        EXPECT_TRUE(glyphEquals(g.document().charset, before, 10 + i));
    }
    EXPECT_TRUE(glyphEquals(g.document().charset, before, 51));
    EXPECT_EQ(g.document().range.low(), 10);
    EXPECT_EQ(g.document().range.high(), 20);
}

TEST(GlyphCommands, RangeErrorForEveryCurrentCharInsideTheRange) {
    Gridlet g;
    const Charset before = randomCharset(5);
    setCharset(g, before);
    g.ui.move_trackbar(beginRangeTrackbar, 30);
    g.ui.move_trackbar(endRangeTrackbar, 12);
    for (int code = 12; code <= 30; ++code) {
        g.clickGlyph(code);
        g.ui.choose_menu_item(mainWindow, copyRangeId);
    }
    g.run();
    ASSERT_EQ(g.ui.messages_shown.size(), 19u);
    for (const ShownMessage& shown : g.ui.messages_shown) {
        EXPECT_EQ(shown.title, "Gridlet");
        EXPECT_EQ(shown.text, "Range Error!");
        EXPECT_EQ(shown.flags, 0);
    }
    EXPECT_EQ(g.document().charset, before);
}

TEST(GlyphCommands, RangeAndPopupSetTheTrackbarsFromTheCurrentChar) {
    Gridlet g;
    g.clickGlyph(65);
    g.ui.choose_menu_item(mainWindow, setBeginRangeId);
    g.clickGlyph(10);
    g.ui.choose_menu_item(mainWindow, setEndRangeId);
    g.run();
    EXPECT_EQ(g.gadgetState(beginRangeTrackbar), 65);
    EXPECT_EQ(g.gadgetState(endRangeTrackbar), 10);
    EXPECT_EQ(g.gadgetText(beginRangeLabel), "BeginRange:65:A");
    EXPECT_EQ(g.gadgetText(endRangeLabel), "End range:10");
}

TEST(GlyphCommands, EraseAllKeepsCurrentCharRangeAndColours) {
    Gridlet g;
    setCharset(g, randomCharset(6));
    g.clickGlyph(9);
    g.ui.move_trackbar(beginRangeTrackbar, 3);
    g.ui.choose_menu_item(mainWindow, eraseCharsetId);
    g.run();
    EXPECT_EQ(g.document().charset, Charset{});
    EXPECT_EQ(g.state.editor.currentChar(), 9);
    EXPECT_EQ(g.gadgetState(beginRangeTrackbar), 3);
    EXPECT_EQ(g.document().inkColor, 0xFFFFFFu);
}

TEST(GlyphCommands, ColourRequesterOpensAtBlackAndCancelChangesNothing) {
    Gridlet g;
    g.ui.answer_color(0x123456);
    g.ui.choose_menu_item(mainWindow, inkColorId);
    g.ui.choose_menu_item(mainWindow, paperColorId); // cancelled: no answer left
    g.run();
    EXPECT_EQ(g.document().inkColor, 0x123456u);
    EXPECT_EQ(g.document().paperColor, 0x000000u);
    EXPECT_EQ(g.ui.color_requests, (std::vector<int>{0, 0}));
    g.ui.answer_color(0x0000FF);
    g.ui.choose_menu_item(mainWindow, paperColorId);
    g.run();
    EXPECT_EQ(g.document().paperColor, 0x0000FFu);
    EXPECT_EQ(g.image(charsetImage).color_at(200, 200), 0x0000FFu);
}

} // namespace
