#include <gtest/gtest.h>

#include <vector>

#include "busy_charset.h"
#include "reference_pixels.h"
#include "view_test.h"

namespace {

// The visible part against the reference; everything beyond it still the canvas's first white.
void expectMapMatchesReference(const toolkit::PixelBuffer& map, const AppState& state) {
    const int width = state.editor.document().mapWidth * 16;
    const int height = state.editor.document().mapHeight * 16;
    for (int y = 0; y < 800; ++y) {
        for (int x = 0; x < 1280; ++x) {
            const bool visible = x < width && y < height;
            ASSERT_EQ(map.color_at(x, y), visible ? mapPixel(state, x, y) : white)
                << "at (" << x << ", " << y << ")";
        }
    }
}

void fillStartMap(AppState& state) {
    MapCells& cells = state.editor.changeCells();
    for (int column = 0; column < mapColumns; ++column)
        for (int row = 0; row < mapRows; ++row) cells[column][row] = column + 32;
}

class MapView : public AllSurfacesTest {
  protected:
    void SetUp() override {
        AllSurfacesTest::SetUp();
        fillStartMap(state);
    }
};

TEST_F(MapView, StartMapWithEmptyCharsetIsPaperWithTheGrid) {
    edit().paperColor = 0x800000;
    edit().inkColor = 0x00C000;
    refresh(state);

    // i ink, p paper, w the untouched white beyond the 640 x 384 area.
    const toolkit::PixelBuffer& map = canvas(mapView);
    const std::initializer_list<PictureKey> key = {{0x00C000, 'i'}, {0x800000, 'p'}, {white, 'w'}};
    EXPECT_EQ(pictureOf(map, 14, 0, 5, 3, key), (Picture{"ipppi", //
                                                         "ppipp", //
                                                         "ppppp"}));
    EXPECT_EQ(pictureOf(map, 637, 382, 5, 3, key), (Picture{"pppww", //
                                                            "pppww", //
                                                            "wwwww"}));
    expectMapMatchesReference(map, state);
}

TEST_F(MapView, GridChangesOnlyTheCellEdges) {
    edit().charset = busyCharset(5);
    refresh(state);
    const std::vector<toolkit::Pixel> withGrid = canvas(mapView).pixels;
    state.editor.setGridOnMap(false);
    refresh(state);
    const toolkit::PixelBuffer& without = canvas(mapView);

    int changed = 0;
    for (int y = 0; y < 800; ++y) {
        for (int x = 0; x < 1280; ++x) {
            if (withGrid[y * 1280 + x] == without.pixels[y * 1280 + x]) continue;
            ++changed;
            ASSERT_TRUE(x < 640 && y < 384 && (x % 16 == 0 || y % 16 == 0))
                << "at (" << x << ", " << y << ")";
        }
    }
    EXPECT_GT(changed, 0);
    expectMapMatchesReference(without, state);
}

TEST_F(MapView, LargestBusyMapMatchesThePixelByPixelReference) {
    edit().charset = busyCharset(9);
    edit().mapWidth = 80;
    edit().mapHeight = 50;
    for (int column = 0; column < 80; ++column) {
        for (int row = 0; row < 50; ++row) edit().mapCells[column][row] = (column * 7 + row) % 256;
    }
    edit().paperColor = 0x102030;
    edit().inkColor = 0xF0E0D0;
    refresh(state);

    expectMapMatchesReference(canvas(mapView), state);
}

TEST_F(MapView, WithoutMapWindowDrawsNothingAndSaysNothing) {
    state.windows.mapWindowAvailable = false;
    edit().charset = busyCharset(1);
    refresh(state);

    EXPECT_EQ(countPixels(canvas(mapView), 0, 0, 1280, 800, white), 1280 * 800);
    EXPECT_TRUE(ui.messages_shown.empty());
}

using MapViewFailure = ViewTest;

TEST_F(MapViewFailure, WithoutTheCanvasReports) {
    createViewSurfaces({Surface::mapWindow});
    toolkit::open_window(mapWindow, 40, 40, 522, 394, "Character map", 0);
    refresh(state);

    ASSERT_EQ(ui.messages_shown.size(), 1u);
    EXPECT_EQ(ui.messages_shown[0].title, "gridlet");
    EXPECT_EQ(ui.messages_shown[0].text, "draw char map error!");
    EXPECT_EQ(ui.messages_shown[0].flags, 0);
}

} // namespace
