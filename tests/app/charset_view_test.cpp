#include <gtest/gtest.h>

#include "busy_charset.h"
#include "reference_pixels.h"
#include "view_test.h"
#include "views/charset_image.h"

namespace {

constexpr toolkit::Color cursorGreen = 0x7FFF00;

void expectImageMatchesReference(const toolkit::PixelBuffer& image, const AppState& state) {
    for (int y = 0; y < 256; ++y) {
        for (int x = 0; x < 256; ++x) {
            const int code = (y / 16) * 16 + x / 16;
            ASSERT_EQ(image.color_at(x, y), doubledGlyphPixel(state, code, x % 16, y % 16))
                << "at (" << x << ", " << y << ")";
        }
    }
}

bool insideCursorCell(const AppState& state, int x, int y) {
    return x / 16 == charsetCell(state.editor.currentChar()).column &&
           y / 16 == charsetCell(state.editor.currentChar()).row;
}

using CharsetViewDrawing = AllSurfacesTest;

TEST_F(CharsetViewDrawing, EmptyCharsetIsBlackWithTheCursorAtTheFirstCell) {
    refresh(state);

    EXPECT_EQ(countPixels(image(), 0, 0, 256, 256, black), 256 * 256);
    // c cursor, . black; the cell's top-left pixel is left as it was.
    EXPECT_EQ(pictureOf(canvas(charsetView), 0, 0, 17, 3, {{black, '.'}, {cursorGreen, 'c'}}),
              (Picture{".c.c.c.c.c.c.c.c.", //
                       "c.c.c.c.c.c.c.c..", //
                       ".c.c.c.c.c.c.c.c."}));
    EXPECT_EQ(countPixels(canvas(charsetView), 0, 0, 16, 16, cursorGreen), 128);
    EXPECT_EQ(countPixels(canvas(charsetView), 0, 0, 256, 256, cursorGreen), 128);
}

TEST_F(CharsetViewDrawing, GlyphSeventeenTopLeftPixelIsTheBoxAtSixteenSixteen) {
    edit().charset[17 * 8] = 0x80;
    refresh(state);

    EXPECT_EQ(pictureOf(image(), 15, 15, 4, 4, {{black, '.'}, {white, '#'}}),
              (Picture{"....", //
                       ".##.", //
                       ".##.", //
                       "...."}));
    EXPECT_EQ(countPixels(image(), 0, 0, 256, 256, white), 4);
}

TEST_F(CharsetViewDrawing, BusyCharsetMatchesThePixelByPixelReference) {
    edit().charset = busyCharset(7);
    edit().paperColor = 0x203040;
    edit().inkColor = 0xC0D0E0;
    refresh(state);

    expectImageMatchesReference(image(), state);
}

TEST_F(CharsetViewDrawing, CanvasShowsTheImageUnderACheckerboardCursor) {
    Document& document = edit();
    document.charset = busyCharset(11);
    document.charset[(5 * 16 + 3) * 8] = 0x80; // the pixel under the cursor's untouched corner
    state.editor.setCurrentChar(5 * 16 + 3);
    refresh(state);

    const toolkit::PixelBuffer& view = canvas(charsetView);
    for (int y = 0; y < 256; ++y) {
        for (int x = 0; x < 256; ++x) {
            const bool cursor = insideCursorCell(state, x, y) && ((x ^ y) & 1);
            ASSERT_EQ(view.color_at(x, y), cursor ? cursorGreen : image().color_at(x, y))
                << "at (" << x << ", " << y << ")";
        }
    }
    EXPECT_EQ(view.color_at(48, 80), state.editor.document().inkColor);
}

TEST_F(CharsetViewDrawing, RefreshRedrawsCharsetViewGlyphEditorAndMap) {
    edit().charset = busyCharset(3);
    for (int row = 0; row < 8; ++row) edit().charset[40 * 8 + row] = uint8_t(row * 17);
    state.editor.setCurrentChar(40);
    edit().mapCells[1][0] = 40;
    refresh(state);

    EXPECT_EQ(dataText(), "0,17,34,51,68,85,102,119");
    EXPECT_EQ(canvas(glyphEditor).color_at(8, 8),
              glyphEditorPixel(state, 8, 8)); // a pixel inside cell (0, 0)
    for (int y = 1; y < 16; ++y) {
        for (int x = 17; x < 32; ++x) {
            ASSERT_EQ(canvas(mapView).color_at(x, y), doubledGlyphPixel(state, 40, x - 16, y));
        }
    }
    expectImageMatchesReference(image(), state);
    EXPECT_TRUE(ui.messages_shown.empty());
}

using CharsetViewFailure = ViewTest;

TEST_F(CharsetViewFailure, WithoutImageReportsAndStillDrawsTheCursor) {
    createViewSurfaces({Surface::charsetImage});
    refresh(state);

    ASSERT_EQ(ui.messages_shown.size(), 1u);
    EXPECT_EQ(ui.messages_shown[0].title, "gridlet");
    EXPECT_EQ(ui.messages_shown[0].text, "draw image char error!");
    EXPECT_EQ(ui.messages_shown[0].flags, 0);
    EXPECT_EQ(countPixels(canvas(charsetView), 0, 0, 16, 16, cursorGreen), 128);
}

TEST_F(CharsetViewFailure, WithoutCanvasReportsButStillUpdatesTheImage) {
    createViewSurfaces({Surface::charsetView});
    edit().charset[0] = 0xFF;
    refresh(state);

    ASSERT_EQ(ui.messages_shown.size(), 1u);
    EXPECT_EQ(ui.messages_shown[0].title, "gridlet");
    EXPECT_EQ(ui.messages_shown[0].text, "draw cursor error!");
    EXPECT_EQ(ui.messages_shown[0].flags, 0);
    EXPECT_EQ(countPixels(image(), 0, 0, 16, 2, white), 32);
}

TEST_F(CharsetViewFailure, RefreshGoesOnToTheGlyphEditorAfterAFailure) {
    createViewSurfaces({Surface::charsetView, Surface::charsetImage});
    refresh(state);

    ASSERT_EQ(ui.messages_shown.size(), 2u);
    EXPECT_EQ(ui.messages_shown[0].text, "draw image char error!");
    EXPECT_EQ(ui.messages_shown[1].text, "draw cursor error!");
    EXPECT_EQ(dataText(), "0,0,0,0,0,0,0,0");
}

} // namespace
