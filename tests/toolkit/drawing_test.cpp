#include <algorithm>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "image_testing.h"
#include "toolkit/drawing.h"
#include "toolkit_fixture.h"

namespace {

using namespace toolkit;
using Picture = std::vector<std::string>;

constexpr Color red = 0x0000FF;
constexpr Color white = 0xFFFFFF;

class DrawingTest : public ImageTest {
  protected:
    // Opens a pass on image 0, a new white image of the given size.
    void start_on_white(int width, int height) {
        make_image(0, width, height, [](int, int) { return white; });
        ASSERT_NE(start_drawing(image_output(0)), 0);
    }
    Picture red_pixels() const { return picture_of(*image_output(0).buffer, red); }
};

// ---- Filled boxes ----

TEST_F(DrawingTest, FilledBoxesAreCutAtTheEdges) {
    start_on_white(8, 6);
    draw_box(-2, -1, 4, 3, red);
    draw_box(6, 4, 5, 5, red);
    EXPECT_EQ(red_pixels(), (Picture{"##......", //
                                     "##......", //
                                     "........", //
                                     "........", //
                                     "......##", //
                                     "......##"}));
}

TEST_F(DrawingTest, PixelBlocksAreCopiedRowByRowAndCutAtTheClip) {
    start_on_white(8, 6);
    const Pixel r = pixel_of(red), w = pixel_of(white);
    // A 3 x 2 block: its first row red white red, its second white red white.
    const Pixel block[] = {r, w, r, w, r, w};
    draw_pixels(-1, -1, 3, 2, block); // only the last two of its second row stay
    set_drawing_clip(4, 0, 3, 6);
    draw_pixels(3, 3, 3, 2, block);              // its first column falls outside the clip
    EXPECT_EQ(red_pixels(), (Picture{"#.......", //
                                     "........", //
                                     "........", //
                                     ".....#..", //
                                     "....#...", //
                                     "........"}));
}

TEST_F(DrawingTest, NegativeSizesCountBackwards) {
    start_on_white(16, 16);
    draw_box(10, 10, -4, -4, red);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const bool inside = x >= 6 && x <= 9 && y >= 6 && y <= 9;
            EXPECT_EQ(image_output(0).buffer->color_at(x, y), inside ? red : white)
                << x << "," << y;
        }
    }
}

TEST_F(DrawingTest, EmptyOrOutsideBoxesDrawNothing) {
    start_on_white(8, 6);
    draw_box(2, 2, 0, 3, red);
    draw_box(2, 2, 3, 0, red);
    draw_box(8, 0, 4, 4, red);
    draw_box(0, 6, 4, 4, red);
    draw_box(-4, 0, 4, 4, red);
    draw_box(0, 0, 4, -1, red); // reversed to row -1
    set_drawing_mode(mode_outline);
    draw_box(9, 1, 3, 3, red);
    draw_box(-5, -5, 4, 4, red);
    EXPECT_EQ(red_pixels(), Picture(6, "........"));
}

// Sums and negations at the ends of the int range must neither wrap into the target nor
// write outside it, in either mode.
TEST_F(DrawingTest, BoxesAtTheEndsOfTheIntRangeAreClippedSafely) {
    constexpr int most = std::numeric_limits<int>::max();
    constexpr int least = std::numeric_limits<int>::min();
    for (const int mode : {int(mode_filled), int(mode_outline)}) {
        start_on_white(8, 6);
        set_drawing_mode(mode);
        draw_box(most - 5, 0, 100, 3, red);
        draw_box(0, most - 2, 3, 100, red);
        draw_box(least, least, 8, 6, red);
        draw_box(least, 2, most, 1, red); // ends at -2
        EXPECT_EQ(red_pixels(), Picture(6, "........")) << "mode " << mode;
        draw_box(3, 3, least, least, red); // reversed: from far away up to (2, 2)
        draw_box(-1, 4, most, 2, red);     // reaches far beyond the right edge
        const Picture filled{"###.....", "###.....", "###.....",
                             "........", "########", "########"};
        const Picture outlined{"..#.....", "..#.....", "###.....",
                               "........", "########", "########"};
        EXPECT_EQ(red_pixels(), mode == mode_filled ? filled : outlined) << "mode " << mode;
        stop_drawing();
    }
}

TEST_F(DrawingTest, ColoursArePaintedExactlyAndTheirTopByteIgnored) {
    start_on_white(2, 1);
    draw_box(0, 0, 1, 1, 0xAB123456);
    draw_box(1, 0, 1, 1, rgb(0, 255, 0));
    EXPECT_EQ(image_output(0).buffer->color_at(0, 0), 0x123456u);
    EXPECT_EQ(image_output(0).buffer->color_at(1, 0), 0x00FF00u);
}

// ---- Outlined boxes ----

TEST_F(DrawingTest, OutlineSetsTheBorderAndNothingInside) {
    start_on_white(64, 80);
    set_drawing_mode(mode_outline);
    draw_box(32, 48, 16, 16, red);
    for (int y = 0; y < 80; ++y) {
        for (int x = 0; x < 64; ++x) {
            const bool edge_row = (y == 48 || y == 63) && x >= 32 && x <= 47;
            const bool edge_column = (x == 32 || x == 47) && y >= 49 && y <= 62;
            EXPECT_EQ(image_output(0).buffer->color_at(x, y), edge_row || edge_column ? red : white)
                << x << "," << y;
        }
    }
}

TEST_F(DrawingTest, OutlinesCutAtTheEdgesKeepTheirVisibleSides) {
    start_on_white(8, 6);
    set_drawing_mode(mode_outline);
    draw_box(4, 1, 6, 4, red);                   // right side beyond the target
    draw_box(-2, -1, 5, 4, red);                 // left side and top row beyond it
    EXPECT_EQ(red_pixels(), (Picture{"..#.....", //
                                     "..#.####", //
                                     "###.#...", //
                                     "....#...", //
                                     "....####", //
                                     "........"}));
}

TEST_F(DrawingTest, ThinOutlines) {
    start_on_white(8, 6);
    set_drawing_mode(mode_outline);
    draw_box(0, 0, 1, 1, red);
    draw_box(2, 0, 4, 1, red);
    draw_box(2, 2, 3, 2, red);
    draw_box(7, 1, 1, 4, red);
    draw_box(4, 5, -3, -2, red);                 // a 3 x 2 box at (1, 3)
    EXPECT_EQ(red_pixels(), (Picture{"#.####..", //
                                     ".......#", //
                                     "..###..#", //
                                     ".####..#", //
                                     ".###...#", //
                                     "........"}));
}

TEST_F(DrawingTest, OutlineModeLastsUntilThePassEnds) {
    start_on_white(8, 4);
    set_drawing_mode(mode_outline);
    draw_box(0, 0, 3, 3, red);
    stop_drawing();
    ASSERT_NE(start_drawing(image_output(0)), 0);
    draw_box(4, 0, 3, 3, red);
    set_drawing_mode(mode_outline);
    set_drawing_mode(1); // anything but outline is filled
    draw_box(0, 3, 8, 1, red);
    EXPECT_EQ(red_pixels(), (Picture{"###.###.", //
                                     "#.#.###.", //
                                     "###.###.", //
                                     "########"}));
}

// Boxes of every placement and size, both modes, against a pixel-by-pixel statement of what
// they cover.
TEST_F(DrawingTest, BoxesMatchAPixelByPixelReference) {
    constexpr int width = 16, height = 12;
    start_on_white(width, height);
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> position(-14, 22), size(-14, 14);
    for (int i = 0; i < 3000; ++i) {
        const int x = position(random), y = position(random);
        const int w = size(random), h = size(random);
        const bool outline = i % 2 == 1;
        if (outline && (w == 0 || h == 0)) continue;
        set_drawing_mode(mode_filled);
        draw_box(0, 0, width, height, white);
        set_drawing_mode(outline ? mode_outline : mode_filled);
        draw_box(x, y, w, h, red);

        const int left = w < 0 ? x + w : x, right = left + std::abs(w) - 1;
        const int top = h < 0 ? y + h : y, bottom = top + std::abs(h) - 1;
        for (int py = 0; py < height; ++py) {
            for (int px = 0; px < width; ++px) {
                const bool inside = px >= left && px <= right && py >= top && py <= bottom;
                const bool border = px == left || px == right || py == top || py == bottom;
                const bool expected = inside && (!outline || border);
                ASSERT_EQ(image_output(0).buffer->color_at(px, py) == red, expected)
                    << "box " << x << "," << y << " " << w << "x" << h
                    << (outline ? " outline" : "") << " at pixel " << px << "," << py;
            }
        }
    }
}

// ---- Passes ----

TEST_F(DrawingTest, APassOpensOnlyOnAnExistingTarget) {
    EXPECT_EQ(start_drawing({}), 0);
    EXPECT_EQ(start_drawing(image_output(5)), 0);
    ASSERT_NE(create_image(0, 4, 2), 0);
    draw_box(0, 0, 4, 2, red); // no pass is open: nothing happens
    set_drawing_mode(mode_outline);
    EXPECT_EQ(picture_of(*image_output(0).buffer, red), Picture(2, "...."));
}

TEST_F(DrawingTest, OnlyTheLastOpenedPassIsDrawnOn) {
    ASSERT_NE(create_image(0, 4, 2), 0);
    ASSERT_NE(create_image(1, 4, 2), 0);
    ASSERT_NE(start_drawing(image_output(0)), 0);
    set_drawing_mode(mode_outline);
    ASSERT_NE(start_drawing(image_output(1)), 0);
    draw_box(0, 0, 3, 2, red);
    stop_drawing();
    draw_box(0, 0, 4, 2, red);
    EXPECT_EQ(picture_of(*image_output(0).buffer, red), Picture(2, "...."));
    EXPECT_EQ(picture_of(*image_output(1).buffer, red), Picture(2, "###."));
}

TEST_F(DrawingTest, FreeingTheTargetImageEndsThePass) {
    ASSERT_NE(create_image(0, 4, 2), 0);
    ASSERT_NE(start_drawing(image_output(0)), 0);
    EXPECT_EQ(create_image(0, 0, 0), 0); // a failed remake frees the image
    ASSERT_NE(create_image(0, 4, 2), 0); // may well reuse the freed memory
    draw_box(0, 0, 4, 2, red);
    EXPECT_EQ(picture_of(*image_output(0).buffer, red), Picture(2, "...."));

    ASSERT_NE(start_drawing(image_output(0)), 0);
    shut_down_toolkit(); // the pass ends with the toolkit
    start_toolkit();
    ASSERT_NE(create_image(0, 4, 2), 0);
    draw_box(0, 0, 4, 2, red);
    EXPECT_EQ(picture_of(*image_output(0).buffer, red), Picture(2, "...."));
}

using CanvasDrawing = ToolkitTest;

TEST_F(CanvasDrawing, PassesOpenOnCanvasesOnly) {
    ASSERT_NE(create_canvas(3, 0, 0, 32, 16, 0), 0);
    ASSERT_NE(create_label(4, 0, 20, 50, 10, "label", 0), 0);
    EXPECT_EQ(canvas_output(4).buffer, nullptr);
    EXPECT_EQ(canvas_output(9).buffer, nullptr);
    EXPECT_EQ(start_drawing(canvas_output(4)), 0);

    ASSERT_NE(start_drawing(canvas_output(3)), 0);
    draw_box(30, 14, 4, 4, red);
    stop_drawing();
    const PixelBuffer& shown = find_gadget(3)->buffer;
    EXPECT_EQ(shown.color_at(31, 15), red);
    EXPECT_EQ(shown.color_at(29, 15), white);
}

TEST_F(CanvasDrawing, ACanvasIsShownWhenItsPassEnds) {
    ASSERT_NE(create_canvas(3, 0, 0, 32, 16, 0), 0);
    ASSERT_NE(create_image(0, 2, 2), 0);
    const int before = ui.canvas_redraws;
    ASSERT_NE(start_drawing(canvas_output(3)), 0);
    draw_box(0, 0, 4, 4, red);
    EXPECT_EQ(ui.canvas_redraws, before);
    stop_drawing();
    EXPECT_EQ(ui.canvas_redraws, before + 1);

    ASSERT_NE(start_drawing(canvas_output(3)), 0);
    draw_box(0, 0, 1, 1, red);
    ASSERT_NE(start_drawing(image_output(0)), 0); // ends the canvas pass first
    EXPECT_EQ(ui.canvas_redraws, before + 2);
    stop_drawing();
    stop_drawing(); // nothing open: nothing shown
    EXPECT_EQ(ui.canvas_redraws, before + 2);

    ASSERT_NE(start_drawing(canvas_output(3)), 0);
    draw_box(40, 0, 4, 4, red); // outside the canvas: nothing drawn, nothing shown
    stop_drawing();
    EXPECT_EQ(ui.canvas_redraws, before + 2);
}

// Each clip a pass drew in is shown by itself, so the platform repaints only those areas.
TEST_F(CanvasDrawing, ClipsConfineDrawingAndAreShownOneByOne) {
    ASSERT_NE(create_canvas(3, 0, 0, 32, 16, 0), 0);
    const int64_t before = ui.canvas_pixels_drawn;
    ASSERT_NE(start_drawing(canvas_output(3)), 0);
    set_drawing_clip(2, 2, 4, 4);
    draw_box(0, 0, 32, 16, red);
    set_drawing_clip(30, 14, 10, 10); // cut at the canvas's edge: 2 x 2
    draw_box(0, 0, 32, 16, red);
    stop_drawing();
    EXPECT_EQ(ui.canvas_pixels_drawn - before, 4 * 4 + 2 * 2);
    const PixelBuffer& shown = find_gadget(3)->buffer;
    EXPECT_EQ(std::count(shown.pixels.begin(), shown.pixels.end(), pixel_of(red)), 4 * 4 + 2 * 2);
    EXPECT_EQ(shown.color_at(2, 2), red);
    EXPECT_EQ(shown.color_at(6, 6), white);
}

// ---- Numbers ----

TEST(NumberConversion, TruncatesTowardZero) {
    EXPECT_EQ(truncate_to_int(-1 / 16.0), 0);
    EXPECT_EQ(truncate_to_int(-15 / 16.0), 0);
    EXPECT_EQ(truncate_to_int(-16 / 16.0), -1);
    EXPECT_EQ(truncate_to_int(-31 / 16.0), -1);
    EXPECT_EQ(truncate_to_int(-16.5), -16);
    EXPECT_EQ(truncate_to_int(255 / 16.0), 15);
    EXPECT_EQ(truncate_to_int(256 / 16.0), 16);
    EXPECT_EQ(truncate_to_int(3.99), 3);
    EXPECT_EQ(truncate_to_int(-0.5), 0);
    EXPECT_EQ(truncate_to_int(-1.0), -1);
}

TEST(NumberConversion, RgbAddsTheChannels) {
    EXPECT_EQ(rgb(0, 255, 0), 0x00FF00u);
    EXPECT_EQ(rgb(255, 0, 0), 0x0000FFu);
    EXPECT_EQ(rgb(0x12, 0x34, 0x56), 0x563412u);
}

} // namespace
