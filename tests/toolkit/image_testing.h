// Helpers for tests that draw into images and read the pixels back.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "toolkit/drawing.h"
#include "toolkit/windows.h"

// Every test starts with a toolkit of its own: no pass open and an empty image table.
class ImageTest : public ::testing::Test {
  protected:
    void SetUp() override { toolkit::start_toolkit(); }
    void TearDown() override { toolkit::shut_down_toolkit(); }
};

// The image as text rows, '#' for pixels of the ink colour and '.' for any other, so that a test
// states the picture it expects the way it looks.
inline std::vector<std::string> picture_of(const toolkit::PixelBuffer& image, toolkit::Color ink) {
    std::vector<std::string> rows;
    for (int y = 0; y < image.height; ++y) {
        std::string row;
        for (int x = 0; x < image.width; ++x) row += image.color_at(x, y) == ink ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}

// Makes the image with every pixel the colour the function gives for its position.
inline void make_image(int image, int width, int height,
                       const std::function<toolkit::Color(int x, int y)>& color) {
    ASSERT_NE(toolkit::create_image(image, width, height), 0);
    ASSERT_NE(toolkit::start_drawing(toolkit::image_output(image)), 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) toolkit::draw_box(x, y, 1, 1, color(x, y));
    }
    toolkit::stop_drawing();
}

// A colour that tells every pixel of a 256 x 256 image from every other, and from black.
inline toolkit::Color position_color(int x, int y) {
    return toolkit::Color(1 + x + 256 * y);
}
