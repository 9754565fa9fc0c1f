// PNG pictures through the system's reader (libpng, or the Windows codec): every colour type
// comes out as the same 8-bit colours, and what cannot be read is refused with a reason.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "files/png_file.h"

namespace {

std::vector<uint8_t> picture_file(const std::string& name) {
    std::ifstream in(std::string(GRIDLET_TEST_DATA) + "/pictures/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

struct Decoded {
    const char* file;
    std::vector<Color> pixels; // two pixels of one row
};

TEST(PngFile, EveryColourTypeGivesEightBitColours) {
    const Decoded cases[] = {
        {"rgb-8.png", {0x563412, 0x8000FF}},
        {"palette-2.png", {0x3264C8, 0x030201}},
        {"grey-1.png", {0xFFFFFF, 0x000000}},
        {"grey-16.png", {0xABABAB, 0x010101}},
        // Transparency is dropped: a transparent pixel keeps its colour.
        {"grey-alpha-8.png", {0x777777, 0x888888}},
        {"rgba-8.png", {0x1E140A, 0x3C3228}},
    };
    for (const auto& [file, pixels] : cases) {
        const PictureReading reading = decodePng(picture_file(file));
        EXPECT_EQ(reading.problem, "") << file;
        EXPECT_EQ(reading.picture.width, 2) << file;
        EXPECT_EQ(reading.picture.height, 1) << file;
        EXPECT_EQ(reading.picture.pixels, pixels) << file;
    }
}

TEST(PngFile, InterlacedPictureComesOutInPlace) {
    const PictureReading reading = decodePng(picture_file("interlaced.png"));
    ASSERT_EQ(reading.problem, "");
    ASSERT_EQ(reading.picture.width, 3);
    ASSERT_EQ(reading.picture.height, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(reading.picture.at(x, y), Color(0x990000 | (16 * y + 2) << 8 | (16 * x + 1)))
                << x << "," << y;
}

TEST(PngFile, TooWideCutShortAndForeignFilesAreRefused) {
    for (const char* file : {"wide.png", "cut-short.png", "make.py"}) {
        const PictureReading reading = decodePng(picture_file(file));
        EXPECT_NE(reading.problem, "") << file;
        EXPECT_TRUE(reading.picture.pixels.empty()) << file;
    }
}

TEST(PngFile, WrittenPictureReadsBackTheSame) {
    Picture picture{5, 3, {}};
    for (int i = 0; i < 15; ++i) picture.pixels.push_back(Color(i * 0x10F0B3 & 0xFFFFFF));
    const std::vector<uint8_t> file = encodePng(picture);
    EXPECT_TRUE(isPng(file));
    const PictureReading reading = decodePng(file);
    EXPECT_EQ(reading.problem, "");
    EXPECT_EQ(reading.picture.width, 5);
    EXPECT_EQ(reading.picture.height, 3);
    EXPECT_EQ(reading.picture.pixels, picture.pixels);
}

} // namespace
