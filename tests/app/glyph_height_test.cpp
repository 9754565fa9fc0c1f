// Glyphs taller or shorter than 8 rows through the event loop: the height command and its undo,
// painting and the transforms at 14 and 16 rows, what the views show, the colour modes that stay
// at 8 and the kept session.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "app/command_table.h"
#include "app/glyph_commands.h"
#include "app/menu_ids.h"
#include "files/session_file.h"
#include "gridlet_harness.h"
#include "toolkit/files.h"
#include "toolkit/menus.h"
#include "toolkit/requesters.h"
#include "toolkit/windows.h"

using namespace toolkit;

namespace {

constexpr int height8 = glyphHeightId, height14 = glyphHeightId + 1, height16 = glyphHeightId + 2;

void choose(Gridlet& g, int id) {
    g.ui.choose_menu_item(mainWindow, id);
    g.run();
}

std::vector<uint8_t> rowsOf(const Gridlet& g, int code) {
    const GlyphRows rows = g.document().glyph(code);
    return {rows.begin(), rows.end()};
}

// A set of `height` rows filled with the seed's bytes.
void fillSet(Gridlet& g, int height, unsigned seed) {
    std::mt19937 random(seed);
    g.ui.run([&] {
        Charset& charset = g.state.editor.changeDocument().charset;
        charset = Charset{};
        charset.height = uint8_t(height);
        for (uint8_t& byte : charset) byte = uint8_t(random());
    });
    g.run();
}

TEST(GlyphHeight, TallerGlyphsGetBlankRowsAndUndoTakesThemBack) {
    Gridlet g;
    fillSet(g, 8, 1);
    const Charset before = g.document().charset;
    choose(g, height16);
    ASSERT_EQ(g.document().charset.height, 16);
    for (int code : {0, 65, 255}) {
        std::vector<uint8_t> expected(before.begin() + code * 8, before.begin() + code * 8 + 8);
        expected.resize(16, 0);
        EXPECT_EQ(rowsOf(g, code), expected) << code;
    }
    EXPECT_EQ(get_menu_item_checked(mainMenu, height16), 1);
    EXPECT_EQ(get_menu_item_checked(mainMenu, height8), 0);
    EXPECT_EQ(g.canvas(charsetView).height, 16 * 32);
    EXPECT_EQ(g.image(charsetImage).height, 16 * 32);
    choose(g, undoId);
    EXPECT_EQ(g.document().charset, before);
    EXPECT_EQ(g.canvas(charsetView).height, 256);
    choose(g, redoId);
    EXPECT_EQ(g.document().charset.height, 16);
}

TEST(GlyphHeight, CuttingRowsThatHoldPixelsIsAskedFirst) {
    Gridlet g;
    fillSet(g, 16, 2);
    const Charset before = g.document().charset;
    g.ui.answer_message(message_result_no);
    choose(g, height14);
    ASSERT_EQ(g.ui.messages_shown.size(), 1u);
    EXPECT_EQ(g.ui.messages_shown[0].text,
              "Glyphs of 14 rows lose the pixels below row 14. Cut them?");
    EXPECT_EQ(g.document().charset, before);
    g.ui.answer_message(message_result_yes);
    choose(g, height14);
    EXPECT_EQ(g.document().charset.height, 14);
    EXPECT_EQ(rowsOf(g, 200),
              std::vector<uint8_t>(before.begin() + 200 * 16, before.begin() + 200 * 16 + 14));
    // Blank rows are cut without a question; "Other..." offers every height.
    g.ui.run([&g] {
        Charset& charset = g.state.editor.changeDocument().charset;
        for (int code = 0; code < glyphCount; ++code)
            std::ranges::fill(glyphOf(charset, code).subspan(4), 0);
    });
    g.ui.answer_list(4 - 1);
    choose(g, otherGlyphHeightId);
    EXPECT_EQ(g.document().charset.height, 4);
    EXPECT_EQ(g.ui.messages_shown.size(), 2u);
    ASSERT_EQ(g.ui.lists_shown.size(), 1u);
    EXPECT_EQ(g.ui.lists_shown[0].items.size(), 32u);
}

uint8_t reversed(uint8_t row) {
    uint8_t out = 0;
    for (int bit = 0; bit < 8; ++bit)
        if (row & (1 << bit)) out = uint8_t(out | (0x80 >> bit));
    return out;
}

// What each transform makes of a glyph's rows, worked out row by row.
struct Transform {
    int id;
    std::vector<uint8_t> (*expected)(std::vector<uint8_t>);
};
const Transform transforms[] = {
    {invertId,
     [](std::vector<uint8_t> r) {
         for (uint8_t& b : r) b = uint8_t(~b);
         return r;
     }},
    {clearCharId, [](std::vector<uint8_t> r) { return std::vector<uint8_t>(r.size()); }},
    {mirrorLeftRightId,
     [](std::vector<uint8_t> r) {
         for (uint8_t& b : r) b = reversed(b);
         return r;
     }},
    {mirrorUpDownId,
     [](std::vector<uint8_t> r) {
         std::ranges::reverse(r);
         return r;
     }},
    {shiftLeftId,
     [](std::vector<uint8_t> r) {
         for (uint8_t& b : r) b = uint8_t(b << 1 | b >> 7);
         return r;
     }},
    {shiftRightId,
     [](std::vector<uint8_t> r) {
         for (uint8_t& b : r) b = uint8_t(b >> 1 | b << 7);
         return r;
     }},
    {shiftUpId,
     [](std::vector<uint8_t> r) {
         std::ranges::rotate(r, r.begin() + 1);
         return r;
     }},
    {shiftDownId,
     [](std::vector<uint8_t> r) {
         std::ranges::rotate(r, r.end() - 1);
         return r;
     }},
    {rotateClockwiseId, [](std::vector<uint8_t> r) { return r; }}, // greyed: only square glyphs
    {rotateAnticlockwiseId, [](std::vector<uint8_t> r) { return r; }},
};

TEST(GlyphHeight, EveryTransformWorksOnAllRowsOfTallGlyphs) {
    for (const int height : {14, 16}) {
        Gridlet g;
        fillSet(g, height, unsigned(height));
        g.clickGlyph(33);
        g.run();
        EXPECT_EQ(get_menu_item_enabled(mainMenu, rotateClockwiseId), 0) << height;
        for (const Transform& transform : transforms) {
            const std::vector<uint8_t> before = rowsOf(g, 33);
            choose(g, transform.id);
            EXPECT_EQ(rowsOf(g, 33), transform.expected(before))
                << "menu item " << transform.id << " at " << height << " rows";
        }
    }
}

TEST(GlyphHeight, PaintingReachesTheLastRowAndTheViewsShowEveryRow) {
    Gridlet g;
    choose(g, height16);
    g.clickGlyph(18);
    g.run();
    // Squares of 8 pixels: 16 rows fill the editor's 128.
    g.ui.click_on_canvas(glyphEditor, button_left, 7 * 8 + 4, 15 * 8 + 4);
    g.ui.click_on_canvas(glyphEditor, button_left, 0 * 8 + 4, 0 * 8 + 4);
    g.run();
    std::vector<uint8_t> expected(16);
    expected[0] = 0x80;
    expected[15] = 0x01;
    EXPECT_EQ(rowsOf(g, 18), expected);
    EXPECT_EQ(g.gadgetText(dataField), "128,0,0,0,\n0,0,0,0,\n0,0,0,0,\n0,0,0,1");
    const Document& document = g.document();
    // The charset view's cell of glyph 18 is 16 x 32: its last pixel row shows row 15.
    const PixelBuffer& view = g.canvas(charsetView);
    EXPECT_EQ(view.color_at(2 * 16 + 15, 1 * 32 + 31), document.inkColor);
    EXPECT_EQ(view.color_at(2 * 16 + 15, 1 * 32 + 29), document.paperColor);
    // The map's cells are 16 x 32 as well.
    g.ui.run([&g] { g.state.editor.changeCell(1, 1) = 18; });
    choose(g, mapAtariId); // 40 x 24
    const PixelBuffer& map = g.canvas(mapView);
    EXPECT_EQ(map.height, 24 * 32);
    EXPECT_EQ(map.color_at(16 + 15, 32 + 31), document.inkColor);
    EXPECT_EQ(map.color_at(16 + 1, 32 + 1), document.inkColor);
}

TEST(GlyphHeight, AMapShownAndANewHeightInOneEventGiveTheMapItsNewCells) {
    Gridlet g;
    g.ui.run([&g] {
        FollowUp followUp;
        runMenuCommand(g.state, mapPcId, mainWindow, followUp);
        chooseGlyphHeight(g.state.editor, 14);
    });
    g.run();
    EXPECT_EQ(g.canvas(mapView).height, 50 * 28);
}

TEST(GlyphHeight, TheColourModesStayAtEightRows) {
    Gridlet g;
    choose(g, height14);
    choose(g, colorModeId + int(ColorMode::c64Multi));
    EXPECT_EQ(g.document().colorMode, ColorMode::twoColors);
    ASSERT_EQ(g.ui.messages_shown.size(), 1u);
    EXPECT_EQ(g.ui.messages_shown[0].title, "Colour mode");
    choose(g, height8);
    choose(g, colorModeId + int(ColorMode::spectrum));
    EXPECT_EQ(g.document().colorMode, ColorMode::spectrum);
    choose(g, height16);
    EXPECT_EQ(g.document().charset.height, 8);
    EXPECT_EQ(g.ui.messages_shown.size(), 2u);
}

TEST(GlyphHeight, TheKeptSessionBringsBackSixteenRows) {
    KeptFilesHome home;
    Charset painted;
    {
        Gridlet g({}, &home);
        fillSet(g, 8, 3);
        choose(g, height16);
        g.ui.click_on_canvas(glyphEditor, button_left, 4, 15 * 8 + 4);
        g.run();
        painted = g.document().charset;
    }
    Gridlet g({}, &home);
    choose(g, restoreSessionId);
    EXPECT_EQ(g.document().charset, painted);
    EXPECT_EQ(g.canvas(charsetView).height, 16 * 32);
}

} // namespace
