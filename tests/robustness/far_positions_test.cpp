// Mouse positions at the limits of an int: a canvas holding the mouse reports wherever the
// pointer goes, and nothing the program computes from such a position may overflow (the
// sanitizer build turns an overflow into a failure).
#include <gtest/gtest.h>

#include <climits>

#include "busy_charset.h"
#include "gridlet_harness.h"
#include "toolkit/binding.h"
#include "toolkit/drawing.h"
#include "toolkit/windows.h"

namespace {

using toolkit::button_left;

TEST(FarPositions, OutlinesAtTheEndsOfTheIntRangeDrawNothing) {
    Gridlet g;
    constexpr int picture = 5;
    ASSERT_TRUE(toolkit::create_image(picture, 32, 32));
    ASSERT_TRUE(toolkit::start_drawing(toolkit::image_output(picture)));
    toolkit::set_drawing_mode(toolkit::mode_outline);
    for (const auto& [x, y] : {std::pair{INT_MAX - 15, 0},
                               {0, INT_MAX - 15},
                               {INT_MAX, INT_MAX},
                               {INT_MIN, 0},
                               {0, INT_MIN}})
        toolkit::draw_box(x, y, 16, 16, 0x0000FF);
    toolkit::draw_box(-8, -8, 16, 16, 0x00FF00); // only its lower right quarter is inside
    toolkit::stop_drawing();

    const toolkit::PixelBuffer& drawn = g.image(picture);
    int green = 0, black = 0;
    for (int y = 0; y < drawn.height; ++y) {
        for (int x = 0; x < drawn.width; ++x) {
            green += drawn.color_at(x, y) == 0x00FF00;
            black += drawn.color_at(x, y) == 0x000000;
        }
    }
    EXPECT_EQ(green, 15);
    EXPECT_EQ(green + black, 32 * 32);
}

TEST(FarPositions, ADragFromFarOutsideTheCharsetViewMovesNoGlyph) {
    Gridlet g;
    g.state.editor.changeDocument().charset = busyCharset(11);
    const Charset before = g.document().charset;
    // The platform reports what the captured mouse does, however far away.
    g.ui.run([] {
        toolkit::canvas_button_pressed(charsetView, button_left, INT_MAX, INT_MAX, false, 0);
    });
    g.ui.run([] { toolkit::canvas_mouse_moved(charsetView, INT_MIN, INT_MAX, 0); });
    g.ui.run([] { toolkit::canvas_mouse_moved(charsetView, INT_MAX, INT_MIN, 0); });
    g.ui.release_on_canvas(charsetView, button_left, 40, 40);
    g.run();

    EXPECT_EQ(g.document().charset, before);
    EXPECT_FALSE(g.state.windows.pointer.dragActive);
    EXPECT_EQ(g.state.editor.currentChar(),
              2 * 16 + 2); // the release inside still selects its cell
}

TEST(FarPositions, PaintingFarOutsideTheMapChangesNoCell) {
    Gridlet g;
    g.ui.choose_menu_item(mainWindow, 24); // "PC 80x50"
    g.run();
    const MapCells before = g.document().mapCells;
    g.ui.run(
        [] { toolkit::canvas_button_pressed(mapView, button_left, INT_MIN, INT_MIN, false, 0); });
    g.ui.run([] { toolkit::canvas_mouse_moved(mapView, INT_MAX, INT_MAX, 0); });
    g.ui.run([] { toolkit::canvas_mouse_moved(mapView, INT_MAX - 15, 0, 0); });
    g.ui.run([] { toolkit::canvas_button_released(mapView, button_left, INT_MAX, 0, 0); });
    g.run();

    EXPECT_EQ(g.document().mapCells, before);
    EXPECT_EQ(g.windowTitle(mapWindow), "Character map");
}

} // namespace
