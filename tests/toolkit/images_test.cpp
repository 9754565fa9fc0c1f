#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "image_testing.h"
#include "toolkit/binding.h"
#include "toolkit/drawing.h"

namespace {

using namespace toolkit;
using Picture = std::vector<std::string>;

constexpr Color red = 0x0000FF;
constexpr Color black = 0x000000;

using ImageTable = ImageTest;
using DrawImage = ImageTest;

// ---- The table ----

TEST_F(ImageTable, NewImagesAreBlack) {
    ASSERT_NE(create_image(0, 3, 2), 0);
    const PixelBuffer* image = image_output(0).buffer;
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->width, 3);
    EXPECT_EQ(image->height, 2);
    EXPECT_EQ(picture_of(*image, black), Picture(2, "###"));
}

TEST_F(ImageTable, CreatingUnderAUsedNumberReplacesTheImage) {
    make_image(0, 4, 4, [](int, int) { return red; });
    ASSERT_NE(create_image(0, 5, 2), 0);
    const PixelBuffer* image = image_output(0).buffer;
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->width, 5);
    EXPECT_EQ(image->height, 2);
    EXPECT_EQ(picture_of(*image, black), Picture(2, "#####"));
}

TEST_F(ImageTable, SizesAndNumbersOutOfRangeFail) {
    EXPECT_NE(create_image(0, 32767, 1), 0);
    EXPECT_NE(create_image(1, 1, 32767), 0);
    for (const auto& [width, height] : {std::pair{0, 4}, {4, 0}, {-1, 4}, {32768, 1}, {1, 32768}}) {
        EXPECT_EQ(create_image(0, width, height), 0) << width << " x " << height;
        // The image held before is gone all the same.
        EXPECT_EQ(image_handle(0), 0u);
        ASSERT_NE(create_image(0, 2, 2), 0);
    }
    EXPECT_EQ(create_image(-1, 2, 2), 0);
    EXPECT_EQ(image_output(-1).buffer, nullptr);
}

TEST_F(ImageTable, HandlesStandForExistingImagesOnly) {
    EXPECT_EQ(image_handle(0), 0u);
    ASSERT_NE(create_image(0, 2, 2), 0);
    ASSERT_NE(create_image(1000, 2, 2), 0); // the table grows to any number
    EXPECT_NE(image_handle(0), 0u);
    EXPECT_NE(image_handle(1000), 0u);
    EXPECT_NE(image_handle(0), image_handle(1000));
    EXPECT_EQ(image_output(7).buffer, nullptr);

    shut_down_toolkit(); // the images end with the toolkit
    start_toolkit();
    EXPECT_EQ(image_handle(0), 0u);
    EXPECT_EQ(image_output(0).buffer, nullptr);
}

// ---- draw_image ----

TEST_F(DrawImage, IsCutAtTheTargetsFarEdges) {
    ASSERT_NE(create_image(0, 256, 256), 0);
    make_image(1, 16, 16, [](int, int) { return red; });
    ASSERT_NE(start_drawing(image_output(0)), 0);
    draw_image(image_handle(1), 250, 250);
    stop_drawing();
    int changed = 0;
    for (int y = 0; y < 256; ++y) {
        for (int x = 0; x < 256; ++x) {
            if (image_output(0).buffer->color_at(x, y) != red) continue;
            ++changed;
            EXPECT_TRUE(x >= 250 && y >= 250) << x << "," << y;
        }
    }
    EXPECT_EQ(changed, 36);
}

TEST_F(DrawImage, NegativePositionsDropTheLeftAndTop) {
    ASSERT_NE(create_image(0, 5, 4), 0);
    make_image(1, 4, 3, position_color);
    ASSERT_NE(start_drawing(image_output(0)), 0);
    draw_image(image_handle(1), -1, -2);
    const PixelBuffer& target = *image_output(0).buffer;
    for (int x = 0; x < 3; ++x) EXPECT_EQ(target.color_at(x, 0), position_color(x + 1, 2));
    EXPECT_EQ(picture_of(target, black), (Picture{"...##", //
                                                  "#####", //
                                                  "#####", //
                                                  "#####"}));
}

TEST_F(DrawImage, WhollyOutsideDrawsNothing) {
    ASSERT_NE(create_image(0, 4, 3), 0);
    make_image(1, 4, 3, [](int, int) { return red; });
    ASSERT_NE(start_drawing(image_output(0)), 0);
    for (const auto& [x, y] : {std::pair{4, 0}, {-4, 0}, {0, 3}, {0, -3}, {9, 9}, {-9, -9}}) {
        draw_image(image_handle(1), x, y);
    }
    EXPECT_EQ(picture_of(*image_output(0).buffer, black), Picture(3, "####"));
}

TEST_F(DrawImage, MissingOrStaleHandlesAndNoPassDrawNothing) {
    ASSERT_NE(create_image(0, 4, 4), 0);
    make_image(1, 2, 2, [](int, int) { return red; });
    const ImageHandle handle = image_handle(1);
    draw_image(handle, 0, 0); // no pass open
    ASSERT_NE(start_drawing(image_output(0)), 0);
    draw_image(0, 0, 0);
    EXPECT_EQ(create_image(1, 0, 0), 0); // a failed remake frees the image: its handle is stale
    draw_image(handle, 0, 0);
    EXPECT_EQ(picture_of(*image_output(0).buffer, black), Picture(4, "####"));
}

TEST_F(DrawImage, OntoItselfCopiesThePictureAsItWas) {
    make_image(0, 4, 1, position_color);
    ASSERT_NE(start_drawing(image_output(0)), 0);
    draw_image(image_handle(0), 1, 0);
    const PixelBuffer& image = *image_output(0).buffer;
    EXPECT_EQ(image.color_at(0, 0), position_color(0, 0));
    for (int x = 1; x < 4; ++x) EXPECT_EQ(image.color_at(x, 0), position_color(x - 1, 0));
}

} // namespace
