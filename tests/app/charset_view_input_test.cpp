// Choosing, dragging, inserting and deleting glyphs on the charset view, as a user does it.
#include <gtest/gtest.h>

#include <utility>

#include "app/menu_ids.h"
#include "gridlet_harness.h"
#include "toolkit/menus.h"
#include "views/charset_image.h"

using namespace toolkit;

namespace {

constexpr Color green = 0x00FF00;
constexpr Color red = 0x0000FF;

// Distinct rows in every glyph: glyph n row k holds n + k (low 8 bits), row 7 holds 0xA5.
void fillCharset(Gridlet& g) {
    g.ui.run([&] {
        for (int code = 0; code < 256; ++code) {
            for (int row = 0; row < 7; ++row)
                g.state.editor.changeDocument().charset[code * 8 + row] = uint8_t(code + row);
            g.state.editor.changeDocument().charset[code * 8 + 7] = 0xA5;
        }
    });
}

std::array<uint8_t, 8> glyphOf(const Gridlet& g, int code) {
    std::array<uint8_t, 8> bytes;
    std::copy_n(g.document().charset.begin() + code * 8, 8, bytes.begin());
    return bytes;
}

void drag(Gridlet& g, int fromX, int fromY, int toX, int toY) {
    g.ui.move_on_canvas(charsetView, fromX, fromY);
    g.ui.press_on_canvas(charsetView, button_left, fromX, fromY);
    g.ui.move_on_canvas(charsetView, (fromX + toX) / 2, (fromY + toY) / 2);
    g.ui.move_on_canvas(charsetView, toX, toY);
    g.ui.release_on_canvas(charsetView, button_left, toX, toY);
}

void expectInvariant(const AppState& state) {
    EXPECT_EQ(state.editor.currentChar(), charsetCell(state.editor.currentChar()).row * 16 +
                                              charsetCell(state.editor.currentChar()).column);
}

TEST(CharsetView, DragInSwapModeExchangesAndSelectsTheDropCell) {
    Gridlet g;
    fillCharset(g);
    g.run();
    const auto a = glyphOf(g, 65), b = glyphOf(g, 66);
    drag(g, 1 * 16 + 5, 4 * 16 + 5, 2 * 16 + 5, 4 * 16 + 5);
    g.run();
    EXPECT_EQ(glyphOf(g, 65), b);
    EXPECT_EQ(glyphOf(g, 66), a);
    EXPECT_EQ(g.state.editor.currentChar(), 66);
    expectInvariant(g.state);
    EXPECT_FALSE(g.state.windows.pointer.dragActive);
}

TEST(CharsetView, DragInCopyModeCopiesTheSource) {
    Gridlet g;
    fillCharset(g);
    g.ui.choose_menu_item(mainWindow, dragCopyId);
    g.run();
    EXPECT_EQ(get_menu_item_checked(mainMenu, dragCopyId), 1);
    EXPECT_EQ(get_menu_item_checked(mainMenu, dragSwapId), 0);
    const auto a = glyphOf(g, 65);
    drag(g, 1 * 16 + 5, 4 * 16 + 5, 2 * 16 + 5, 4 * 16 + 5);
    g.run();
    EXPECT_EQ(glyphOf(g, 65), a);
    EXPECT_EQ(glyphOf(g, 66), a);

    g.ui.choose_menu_item(mainWindow, dragSwapId);
    g.run();
    EXPECT_EQ(get_menu_item_checked(mainMenu, dragSwapId), 1);
    EXPECT_EQ(get_menu_item_checked(mainMenu, dragCopyId), 0);
}

TEST(CharsetView, DropBeyondTheLeftEdgeTruncatesTowardZero) {
    Gridlet g;
    fillCharset(g);
    g.run();
    const Charset before = g.document().charset;
    // Glyph 66 (row 4, column 2) dropped 10 pixels left of the view: column 0, glyph 64.
    drag(g, 2 * 16 + 5, 4 * 16 + 5, -10, 4 * 16 + 5);
    g.run();
    EXPECT_EQ(glyphOf(g, 64), (std::array<uint8_t, 8>{66, 67, 68, 69, 70, 71, 72, 0xA5}));
    EXPECT_EQ(glyphOf(g, 66), (std::array<uint8_t, 8>{64, 65, 66, 67, 68, 69, 70, 0xA5}));
    EXPECT_EQ(g.state.editor.currentChar(), 0); // no click outside: the current char stays

    // 20 pixels to the left is column -1: nothing moves.
    g.ui.run([&] { g.state.editor.changeDocument().charset = before; });
    drag(g, 2 * 16 + 5, 4 * 16 + 5, -20, 4 * 16 + 5);
    g.run();
    EXPECT_EQ(g.document().charset, before);
    EXPECT_FALSE(g.state.windows.pointer.dragActive);
}

TEST(CharsetView, PlainClickSelectsWithoutMovingGlyphs) {
    Gridlet g;
    fillCharset(g);
    g.run();
    const Charset before = g.document().charset;
    g.clickGlyph(200);
    g.run();
    EXPECT_EQ(g.state.editor.currentChar(), 200);
    EXPECT_EQ(g.document().charset, before);
    EXPECT_EQ(g.windowTitle(mainWindow), "gridlet v2 0.9f 200($C8)'\xC3\x88'");
}

TEST(CharsetView, ReleaseOverTheBorderWrapsToTheFirstColumnOrRow) {
    Gridlet g;
    fillCharset(g);
    g.run();
    const Charset before = g.document().charset;
    // Right border: x 256..259 is column 16, which no drop accepts, but the click wraps it.
    drag(g, 5 * 16 + 5, 3 * 16 + 5, 258, 3 * 16 + 5);
    g.run();
    EXPECT_EQ(g.document().charset, before);
    EXPECT_EQ(g.state.editor.currentChar(), 3 * 16);
    expectInvariant(g.state);
    // Bottom border: row 0 of the same column.
    drag(g, 5 * 16 + 5, 3 * 16 + 5, 5 * 16 + 5, 257);
    g.run();
    EXPECT_EQ(g.document().charset, before);
    EXPECT_EQ(g.state.editor.currentChar(), 5);
}

TEST(CharsetView, PressOnTheBorderCarriesNothing) {
    // The right border of row 3 (column 16 would be code 64) and the bottom-right corner.
    for (const int mode : {int(dragSwapId), int(dragCopyId)}) {
        for (const auto& [x, y] : {std::pair{256, 3 * 16 + 5}, std::pair{257, 257}}) {
            Gridlet g;
            fillCharset(g);
            g.ui.choose_menu_item(mainWindow, mode);
            g.run();
            const Charset before = g.document().charset;
            g.ui.move_on_canvas(charsetView, x, y);
            g.ui.press_on_canvas(charsetView, button_left, x, y);
            g.ui.move_on_canvas(charsetView, 5 * 16 + 4, 5 * 16 + 4);
            g.run();
            // No glyph under the pointer: the plain hover outline.
            EXPECT_EQ(g.canvas(charsetView).color_at(5 * 16, 5 * 16), green);
            g.ui.release_on_canvas(charsetView, button_left, 5 * 16 + 4, 5 * 16 + 4);
            g.run();
            EXPECT_EQ(g.document().charset, before);
            EXPECT_EQ(g.state.editor.currentChar(), 85);
        }
    }
}

TEST(CharsetView, LostCaptureEndsTheDragWithoutADrop) {
    Gridlet g;
    fillCharset(g);
    g.ui.choose_menu_item(mainWindow, mapAtariId); // shows the map window
    g.ui.activate(mainWindow);
    g.run();
    const Charset before = g.document().charset;
    g.ui.move_on_canvas(charsetView, 1 * 16 + 5, 4 * 16 + 5);
    g.ui.press_on_canvas(charsetView, button_left, 1 * 16 + 5, 4 * 16 + 5);
    g.ui.move_on_canvas(charsetView, 2 * 16 + 5, 4 * 16 + 5);
    g.ui.activate(mapWindow); // another window takes the keyboard, and the mouse with it
    g.run();
    EXPECT_FALSE(g.state.windows.pointer.dragActive);
    EXPECT_NE(g.canvas(charsetView).color_at(2 * 16, 4 * 16), red); // the drag's picture went
    g.ui.release_on_canvas(charsetView, button_left, 2 * 16 + 5, 4 * 16 + 5);
    g.run();
    EXPECT_EQ(g.document().charset, before);
}

TEST(CharsetView, ArrowKeysActOnReleaseAndWrap) {
    Gridlet g;
    g.ui.press_key(vk_right);
    g.ui.press_key(vk_right); // repeats while held
    g.ui.press_key(vk_right);
    g.run();
    EXPECT_EQ(g.state.editor.currentChar(), 0);
    g.ui.release_key(vk_right);
    g.run();
    EXPECT_EQ(g.state.editor.currentChar(), 1);

    g.tapKey(vk_left);
    g.tapKey(vk_left); // from column 0 to column 15 of the same row
    g.run();
    EXPECT_EQ(g.state.editor.currentChar(), 15);
    g.tapKey(vk_up); // from row 0 to row 15 of the same column
    g.run();
    EXPECT_EQ(g.state.editor.currentChar(), 255);
    g.tapKey(vk_down);
    g.run();
    EXPECT_EQ(g.state.editor.currentChar(), 15);
    expectInvariant(g.state);
}

TEST(CharsetView, InsertAndDeleteOpenAndCloseGaps) {
    Gridlet g;
    fillCharset(g);
    g.run();
    const Charset before = g.document().charset;
    g.tapKey(vk_insert);
    g.run();
    EXPECT_EQ(glyphOf(g, 0), (std::array<uint8_t, 8>{}));
    for (int code = 1; code < 256; ++code)
        ASSERT_TRUE(std::equal(before.begin() + (code - 1) * 8, before.begin() + code * 8,
                               g.document().charset.begin() + code * 8));
    g.tapKey(vk_delete);
    g.run();
    EXPECT_TRUE(std::equal(before.begin(), before.begin() + 255 * 8, g.document().charset.begin()));
    EXPECT_EQ(glyphOf(g, 255), (std::array<uint8_t, 8>{}));
    EXPECT_EQ(g.state.editor.currentChar(), 0);
}

TEST(CharsetView, InsertOrDeleteOnTheLastGlyphOnlyClearsIt) {
    for (int key : {int(vk_insert), int(vk_delete)}) {
        Gridlet g;
        fillCharset(g);
        g.clickGlyph(255);
        g.run();
        const Charset before = g.document().charset;
        g.tapKey(key);
        g.run();
        EXPECT_TRUE(
            std::equal(before.begin(), before.begin() + 255 * 8, g.document().charset.begin()));
        EXPECT_EQ(glyphOf(g, 255), (std::array<uint8_t, 8>{}));
        EXPECT_EQ(g.state.editor.currentChar(), 255);
    }
}

TEST(CharsetView, RightClickSelectsThenOffersTheRangeMenu) {
    Gridlet g;
    g.ui.answer_popup(setBeginRangeId);
    g.ui.move_on_canvas(charsetView, 1 * 16 + 3, 4 * 16 + 3);
    g.ui.click_on_canvas(charsetView, button_right, 1 * 16 + 3, 4 * 16 + 3);
    g.run();
    EXPECT_EQ(g.state.editor.currentChar(), 65);
    EXPECT_EQ(g.ui.popups_shown, std::vector<int>{rangePopupMenu});
    EXPECT_EQ(g.gadgetState(beginRangeTrackbar), 65);
    EXPECT_EQ(g.gadgetText(beginRangeLabel), "BeginRange:65:A");
}

TEST(CharsetView, HoverOutlineFromTheSecondMoveAndItStays) {
    Gridlet g;
    g.ui.move_on_canvas(charsetView, 3 * 16 + 8, 2 * 16 + 8); // mouse enter: ignored
    g.run();
    EXPECT_NE(g.canvas(charsetView).color_at(3 * 16, 2 * 16), green);
    g.ui.move_on_canvas(charsetView, 3 * 16 + 9, 2 * 16 + 8);
    g.run();
    const PixelBuffer& view = g.canvas(charsetView);
    EXPECT_EQ(view.color_at(3 * 16, 2 * 16), green);
    EXPECT_EQ(view.color_at(3 * 16 + 15, 2 * 16 + 15), green);
    EXPECT_EQ(view.color_at(3 * 16 + 5, 2 * 16 + 5), 0x000000u); // inside: the glyph
    EXPECT_EQ(view.color_at(1, 0), 0x7FFF00u);                   // the cursor is still drawn
    g.ui.move_mouse(mainWindow, 600, 400);                       // leaves the view
    g.run();
    EXPECT_EQ(g.canvas(charsetView).color_at(3 * 16, 2 * 16), green);
}

TEST(CharsetView, DraggedGlyphFollowsThePointerOverARedOutline) {
    Gridlet g;
    g.ui.run([&] {
        g.state.editor.changeDocument().charset[65 * 8] = 0x80;
    });                                             // top-left pixel of glyph 65
    g.ui.choose_menu_item(mainWindow, clearCharId); // any command that redraws image 0
    g.ui.move_on_canvas(charsetView, 1 * 16 + 2, 4 * 16 + 2);
    g.ui.press_on_canvas(charsetView, button_left, 1 * 16 + 2, 4 * 16 + 2);
    g.ui.move_on_canvas(charsetView, 100, 37);
    g.run();
    const PixelBuffer& view = g.canvas(charsetView);
    EXPECT_EQ(view.color_at(100, 37), 0xFFFFFFu); // the glyph's ink, exactly at the pointer
    EXPECT_EQ(view.color_at(101, 38), 0xFFFFFFu);
    EXPECT_EQ(view.color_at(6 * 16, 2 * 16), red); // the cell under the pointer
}

} // namespace
