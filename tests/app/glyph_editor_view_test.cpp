#include <gtest/gtest.h>

#include "model/glyph_look.h"
#include "reference_pixels.h"
#include "view_test.h"

namespace {

void expectEditorMatchesReference(const toolkit::PixelBuffer& editor, const AppState& state) {
    for (int y = 0; y < 128; ++y) {
        for (int x = 0; x < 128; ++x) {
            ASSERT_EQ(editor.color_at(x, y), glyphEditorPixel(state, x, y))
                << "at (" << x << ", " << y << ")";
        }
    }
}

using GlyphEditorView = AllSurfacesTest;

TEST_F(GlyphEditorView, EmptyGlyphShowsPaperWithTheDottedGrid) {
    edit().paperColor = 0x123456;
    refresh(state);

    EXPECT_EQ(dataText(), "0,0,0,0,0,0,0,0");
    // W white, B black, p paper: the corner of cells (0, 0), (1, 0), (0, 1) and (1, 1).
    EXPECT_EQ(
        pictureOf(canvas(glyphEditor), 14, 14, 5, 5, {{white, 'W'}, {black, 'B'}, {0x123456, 'p'}}),
        (Picture{"ppWpp", //
                 "ppBpp", //
                 "WBWBW", //
                 "ppBpp", //
                 "ppWpp"}));
    expectEditorMatchesReference(canvas(glyphEditor), state);
}

TEST_F(GlyphEditorView, FullGlyphShowsSixtyFourSquaresWithGaps) {
    for (int row = 0; row < 8; ++row) edit().charset[7 * 8 + row] = 255;
    state.editor.setCurrentChar(7);
    edit().paperColor = 0x0000FF;
    edit().inkColor = 0x00FF00;
    refresh(state);

    EXPECT_EQ(dataText(), "255,255,255,255,255,255,255,255");
    // i ink, p paper gap, W and B the grid over each square's left and top edge.
    EXPECT_EQ(pictureOf(canvas(glyphEditor), 0, 0, 18, 3,
                        {{white, 'W'}, {black, 'B'}, {0x0000FF, 'p'}, {0x00FF00, 'i'}}),
              (Picture{"WBWBWBWBWBWBWBWBWB", //
                       "BiiiiiiiiiiiiiipBi", //
                       "WiiiiiiiiiiiiiipWi"}));
    EXPECT_EQ(countPixels(canvas(glyphEditor), 0, 0, 128, 128, 0x00FF00), 64 * 14 * 14);
    expectEditorMatchesReference(canvas(glyphEditor), state);
}

TEST_F(GlyphEditorView, GridStaysVisibleWhenPaperAndInkAreBothWhite) {
    edit().paperColor = white;
    edit().inkColor = white;
    edit().charset[3] = 0xAA;
    refresh(state);

    // Half of each of the 16 dotted lines of 128 pixels is black; the lines cross on white.
    EXPECT_EQ(countPixels(canvas(glyphEditor), 0, 0, 128, 128, black), 16 * 64);
    EXPECT_EQ(countPixels(canvas(glyphEditor), 0, 0, 128, 128, white), 128 * 128 - 16 * 64);
}

TEST_F(GlyphEditorView, ShowsTheRowsOfTheCurrentCharOnly) {
    const uint8_t rows[8] = {0, 1, 128, 255, 66, 24, 7, 100};
    for (int row = 0; row < 8; ++row) edit().charset[200 * 8 + row] = rows[row];
    edit().charset[201 * 8] = 0xFF; // the neighbour must not show
    state.editor.setCurrentChar(200);
    refresh(state);

    EXPECT_EQ(dataText(), "0,1,128,255,66,24,7,100");
    expectEditorMatchesReference(canvas(glyphEditor), state);
}

// Each step changes one bit of the first pair: both cells of the wide pixel take its colour.
TEST_F(GlyphEditorView, OneBitOfAWidePixelRedrawsAllOfIt) {
    edit().colorMode = ColorMode::c64Multi;
    refresh(state);
    for (const int pair : {1, 3, 2, 0}) {
        state.editor.changeGlyph(0)[0] = uint8_t(pair << 6);
        refresh(state);
        const toolkit::Color color = glyphLook(state.editor.document()).colors[size_t(pair)];
        EXPECT_EQ(canvas(glyphEditor).color_at(1, 1), color) << pair;
        EXPECT_EQ(canvas(glyphEditor).color_at(17, 1), color) << pair;
    }
}

TEST_F(GlyphEditorView, EndsByRedrawingTheMap) {
    edit().charset[32 * 8] = 0x80; // map cell (0, 0) holds 32 at start
    edit().mapCells[0][0] = 32;
    state.editor.setGridOnMap(false);
    refresh(state);

    EXPECT_EQ(canvas(mapView).color_at(0, 0), state.editor.document().inkColor);
    EXPECT_EQ(canvas(mapView).color_at(2, 0), state.editor.document().paperColor);
}

using GlyphEditorFailure = ViewTest;

TEST_F(GlyphEditorFailure, WithoutTheCanvasReportsAndSkipsDataFieldAndMap) {
    createViewSurfaces({Surface::glyphEditor});
    toolkit::set_gadget_text(dataField, "old");
    refresh(state);

    ASSERT_EQ(ui.messages_shown.size(), 1u);
    EXPECT_EQ(ui.messages_shown[0].title, "gridlet");
    EXPECT_EQ(ui.messages_shown[0].text, "draw character error!");
    EXPECT_EQ(ui.messages_shown[0].flags, 0);
    EXPECT_EQ(dataText(), "old");
    EXPECT_EQ(countPixels(canvas(mapView), 0, 0, 1280, 800, white), 1280 * 800);
}

} // namespace
