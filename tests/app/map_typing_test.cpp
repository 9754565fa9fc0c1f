// "Type text" on the map through the event loop: the codes typed in each set, the cursor at the
// map's edges, a run of typing as one undo step, and the cells selected, copied, pasted, cut,
// deleted and filled.
#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

#include "../toolkit/temp_folder.h"
#include "app/menu_ids.h"
#include "files/map_clipboard.h"
#include "files/psf_file.h"
#include "gridlet_harness.h"
#include "reference_pixels.h"
#include "toolkit/binding.h"

using namespace toolkit;

namespace {

class MapTyping : public ::testing::Test {
  protected:
    MapTyping() {
        choose(mapC64Id);
        choose(typeTextId);
    }
    void choose(int id, int window = mainWindow) {
        g.ui.choose_menu_item(window, id);
        g.run();
    }
    void press(int column, int row) {
        g.ui.move_on_canvas(mapView, column * 16 + 3, row * 16 + 4); // the mouse comes in first
        g.ui.press_on_canvas(mapView, button_left, column * 16 + 4, row * 16 + 4);
    }
    void click(int column, int row) {
        press(column, row);
        g.ui.release_on_canvas(mapView, button_left, column * 16 + 4, row * 16 + 4);
        g.run();
    }
    void select(int column, int row, int lastColumn, int lastRow) {
        press(column, row);
        g.ui.move_on_canvas(mapView, lastColumn * 16 + 4, lastRow * 16 + 4);
        g.ui.release_on_canvas(mapView, button_left, lastColumn * 16 + 4, lastRow * 16 + 4);
        g.run();
    }
    void type(std::u32string_view text) {
        for (const char32_t c : text) g.ui.type_character(int(c));
        g.run();
    }
    std::vector<int> row(int r, int from, int count) const {
        std::vector<int> codes;
        for (int c = from; c < from + count; ++c) codes.push_back(g.document().mapCells[c][r]);
        return codes;
    }
    // Every cell a code of its own place, as the history's start.
    void fillDistinct() {
        g.ui.run([this] {
            MapCells& cells = g.state.editor.changeDocument().mapCells;
            for (int c = 0; c < mapColumns; ++c)
                for (int r = 0; r < mapRows; ++r) cells[c][r] = (c + 7 * r) % 200;
            g.state.editor.startHistory();
        });
        g.run();
    }
    // The edit changed exactly `expected`; undo brings the map back.
    void expectEditThenUndo(const MapCells& before, const MapCells& expected) {
        EXPECT_EQ(g.document().mapCells, expected);
        choose(undoId);
        EXPECT_EQ(g.document().mapCells, before);
    }

    Gridlet g;
};

TEST_F(MapTyping, EachSetTypesItsOwnCodes) {
    struct Case {
        int charset; // 0 for none loaded: ASCII and Latin-1
        std::u32string_view text;
        std::vector<int> codes;
    };
    const Case cases[] = {
        {0, U"Aé~", {65, 233, 126}},
        {charsetIbmCgaId, U"A☺é▓", {65, 1, 130, 178}},
        {charsetIbm866Id, U"Aая", {65, 160, 239}},
        {charsetZxSpectrumId, U"A£©^↑▛", {65, 96, 127, 94, 94, 139}},
        {charsetZx80Id, U"HI 9.£", {45, 46, 0, 37, 27, 12}},
        {charsetJupiterAceId, U"a£▜", {97, 96, 7}},
        {charsetC64Id, U"HELLO hello@", {8, 5, 12, 12, 15, 32, 8, 5, 12, 12, 15, 0}},
        {charsetC64LowerId, U"Hello Z@", {72, 5, 12, 12, 15, 32, 90, 0}},
        {charsetAtariId, U" Aa♥|", {0, 33, 97, 64, 124}},
        {charsetMicroshaId, U"AЯя¤", {65, 113, 113, 36}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.charset);
        if (c.charset) choose(c.charset);
        click(0, 3);
        type(c.text);
        EXPECT_EQ(row(3, 0, int(c.codes.size())), c.codes);
    }
}

TEST_F(MapTyping, ACharacterWithoutACodeIsNotWrittenAndTheTitleSaysSoUntilTheNextKey) {
    choose(charsetHexId);
    click(2, 2);
    const int before = g.document().mapCells[2][2];
    type(U"A");
    EXPECT_EQ(g.document().mapCells[2][2], before);
    EXPECT_EQ(g.windowTitle(mapWindow), "Character map: \"A\" has no code in this set");
    g.tapKey(vk_right);
    g.run();
    EXPECT_EQ(g.windowTitle(mapWindow).find("no code"), std::string::npos);
}

TEST_F(MapTyping, AConsoleFontsUnicodeTableGivesItsCodes) {
    TempFolder folder;
    std::vector<uint8_t> glyphs(256 * 8, 0);
    std::vector<std::u32string> unicode(256, U"?");
    unicode[1] = U"Ж";
    unicode[200] = U"€";
    folder.write("table.psf", encodePsf(glyphs, unicode));
    g.ui.drop_files(charsetView, {folder / "table.psf"});
    g.run();
    click(0, 0);
    type(U"Ж€A");
    EXPECT_EQ(row(0, 0, 3), (std::vector<int>{1, 200, 2 + 32})); // no 'A' in its table
}

TEST_F(MapTyping, TheCursorWrapsAtTheEdgesAndStopsAtTheLastCell) {
    choose(colorModeId + 1); // C64 single colour: typed cells take the painting colour
    click(39, 0);
    type(U"AB");
    EXPECT_EQ(g.document().mapCells[39][0], 65);
    EXPECT_EQ(g.document().mapCells[0][1], 66);
    EXPECT_EQ(g.document().mapColors[0][1], 13);
    g.tapKey(vk_backspace);
    g.tapKey(vk_backspace);
    g.run();
    EXPECT_EQ(g.document().mapCells[0][1], 32);
    EXPECT_EQ(g.document().mapCells[39][0], 32);
    click(0, 0);
    const int corner = g.document().mapCells[0][0];
    g.tapKey(vk_backspace); // nothing before the first cell
    g.run();
    EXPECT_EQ(g.document().mapCells[0][0], corner);
    click(5, 24);
    g.tapKey(vk_return); // the last row keeps the cursor
    type(U"X");
    EXPECT_EQ(g.document().mapCells[0][24], 88);
    click(39, 24);
    type(U"YZ");
    EXPECT_EQ(g.document().mapCells[39][24], 90);
}

TEST_F(MapTyping, ARunOfTypingIsOneUndoStep) {
    fillDistinct();
    const MapCells start = g.document().mapCells;
    click(0, 0);
    type(U"HELLO");
    g.tapKey(vk_backspace);
    g.run();
    const MapCells hello = g.document().mapCells;
    click(0, 5);
    type(U"X");
    choose(undoId);
    EXPECT_EQ(g.document().mapCells, hello);
    choose(undoId);
    EXPECT_EQ(g.document().mapCells, start);
}

TEST_F(MapTyping, ARunTakesInNoEditOfAnotherWindow) {
    g.clickGlyph(65);
    g.ui.run([this] { std::ranges::fill(g.state.editor.changeGlyph(65), 0x18); });
    click(0, 0);
    type(U"AB");
    const MapCells typed = g.document().mapCells;
    g.ui.move_on_canvas(charsetView, 8, 8); // hovering goes on with the run
    // The main window comes forward with the keyboard at its charset view, as desktops do.
    g.ui.activate(mainWindow);
    g.ui.run([] { gadget_focus_changed(charsetView, true); });
    g.tapKey(vk_delete); // the charset view deletes the glyph when the key is released
    g.run();
    ASSERT_EQ(g.document().glyph(65)[0], g.document().glyph(66)[0]);
    g.tapKey('Z', modifier_control);
    g.run();
    EXPECT_EQ(g.document().glyph(65)[0], 0x18);
    EXPECT_EQ(g.document().mapCells, typed);
}

TEST_F(MapTyping, SelectedCellsCopyAndPasteClippedAtTheEdges) {
    fillDistinct();
    const MapCells before = g.document().mapCells;
    select(1, 1, 3, 2);
    choose(copyId, mapWindow);
    const std::optional<MapBlock> block = decodeMapBlock(g.ui.clipboard.own_bytes);
    ASSERT_TRUE(block);
    EXPECT_EQ(block->width, 3);
    EXPECT_EQ(block->height, 2);
    EXPECT_EQ(g.ui.clipboard.picture.width, 24);
    EXPECT_EQ(g.ui.clipboard.text, "\uFFFD\uFFFD\uFFFD\n\uFFFD\uFFFD\uFFFD\n"); // codes 8..17
    click(38, 23);
    choose(pasteId, mapWindow);
    MapCells pasted = before;
    pasted[38][23] = before[1][1], pasted[39][23] = before[2][1];
    pasted[38][24] = before[1][2], pasted[39][24] = before[2][2];
    expectEditThenUndo(before, pasted);
}

TEST_F(MapTyping, CutDeleteAndFillActOnTheSelectionOnly) {
    fillDistinct();
    const MapCells before = g.document().mapCells;
    MapCells spaces = before;
    for (int c = 2; c <= 4; ++c) spaces[c][3] = 32;
    select(4, 3, 2, 3);
    choose(cutId, mapWindow);
    expectEditThenUndo(before, spaces);
    g.tapKey(vk_delete);
    g.run();
    expectEditThenUndo(before, spaces);
    g.clickGlyph(65);
    choose(fillMapId);
    MapCells filled = before;
    for (int c = 2; c <= 4; ++c) filled[c][3] = 65;
    expectEditThenUndo(before, filled);
}

// A selection on the row a smaller map size hides has no visible part: no outline is drawn for
// it, not even on the last row that stays.
TEST_F(MapTyping, ASelectionTheMapNoLongerShowsLeavesNoOutline) {
    select(10, 24, 39, 24);
    choose(mapAtariId);
    click(7, 5); // the selection goes, and nothing of it may be left to erase
    int unlike = 0;
    for (int y = 23 * 16; y < 24 * 16; ++y)
        for (int x = 0; x < 40 * 16; ++x)
            unlike += g.canvas(mapView).color_at(x, y) != mapPixel(g.state, x, y);
    EXPECT_EQ(unlike, 0);
}

TEST_F(MapTyping, PastedTextTypesThroughTheSetsCodes) {
    choose(charsetC64Id);
    fillDistinct();
    click(38, 0);
    g.ui.clipboard = ClipboardData{.text = "AB\r\nC\n"};
    choose(pasteId, mapWindow);
    EXPECT_EQ(row(0, 38, 2), (std::vector<int>{1, 2}));
    EXPECT_EQ(row(1, 38, 2), (std::vector<int>{3, (38 + 1 + 7) % 200})); // past the line's end
    g.ui.run([this] { g.state.editor.changeDocument().mapCells[39][0] = 2 + 128; });
    select(38, 0, 39, 0);
    choose(copyId, mapWindow);
    EXPECT_EQ(g.ui.clipboard.text, "AB\n"); // a reverse "B" copies as its letter
}

TEST_F(MapTyping, TheSetsCodesTravelWithItsProjectSessionAndUndo) {
    TempFolder folder;
    const auto typeHello = [this] {
        click(0, 0);
        type(U"HELLO");
        return row(0, 0, 5);
    };
    const std::vector<int> screenCodes{8, 5, 12, 12, 15}, ascii{72, 69, 76, 76, 79};
    choose(charsetC64Id);
    g.ui.answer_file(folder / "scene.gridlet", 0);
    choose(saveProjectId);
    choose(charsetIbmCgaId);
    EXPECT_EQ(typeHello(), ascii);
    g.ui.answer_file(folder / "scene.gridlet", 4);
    choose(openId);
    EXPECT_EQ(typeHello(), screenCodes);
    choose(undoId); // the typing
    choose(undoId); // the project
    EXPECT_EQ(typeHello(), ascii);
    choose(undoId);
    choose(undoId); // the IBM set: the C64's codes come back with its glyphs
    EXPECT_EQ(typeHello(), screenCodes);
    select(0, 0, 4, 0);
    choose(copyId, mapWindow);
    EXPECT_EQ(g.ui.clipboard.text, "HELLO\n");
}

TEST_F(MapTyping, WithTypingOffTheMapsCopyStaysTheGlyphs) {
    choose(typeTextId);
    g.clickGlyph(65);
    choose(copyId, mapWindow);
    EXPECT_EQ(g.ui.clipboard.own_bytes.size(), 1u + 8u); // its height, then its rows
}

} // namespace
