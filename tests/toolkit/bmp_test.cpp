#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "image_testing.h"
#include "temp_folder.h"
#include "toolkit/atomic_file.h"
#include "toolkit/drawing.h"

namespace {

using namespace toolkit;
using Bytes = std::vector<uint8_t>;

class BmpWriter : public ImageTest {
  protected:
    void SetUp() override { ASSERT_TRUE(folder.made()); }
    void TearDown() override {
        detail::AtomicFile::fail_writes_after(-1);
        ImageTest::TearDown();
    }

    // Saves the image as "picture.bmp" and reads the file back.
    Bytes saved(int image) {
        EXPECT_NE(save_image(image, folder / "picture.bmp"), 0);
        return folder.read("picture.bmp");
    }

    TempFolder folder;
};

uint32_t field(const Bytes& file, size_t at, int length) {
    uint32_t value = 0;
    for (int i = length - 1; i >= 0; --i) value = value << 8 | file.at(at + i);
    return value;
}

// Reads the file as a 24-bit bottom-up bitmap of the given size and checks every field, every
// pixel against the image and every padding byte.
void expect_bitmap_of(const Bytes& file, const PixelBuffer& image) {
    const size_t width = size_t(image.width), height = size_t(image.height);
    const size_t row_size = (3 * width + 3) / 4 * 4;
    ASSERT_EQ(file.size(), 54 + row_size * height);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(field(file, 2, 4), file.size());
    EXPECT_EQ(field(file, 6, 4), 0u); // both reserved fields
    EXPECT_EQ(field(file, 10, 4), 54u);
    EXPECT_EQ(field(file, 14, 4), 40u);
    EXPECT_EQ(field(file, 18, 4), width);
    EXPECT_EQ(field(file, 22, 4), height);
    EXPECT_EQ(field(file, 26, 2), 1u);
    EXPECT_EQ(field(file, 28, 2), 24u);
    EXPECT_EQ(field(file, 30, 4), 0u);
    EXPECT_EQ(field(file, 34, 4), row_size * height);
    for (size_t at = 38; at < 54; at += 4) EXPECT_EQ(field(file, at, 4), 0u) << "offset " << at;

    for (size_t y = 0; y < height; ++y) {
        const size_t row = 54 + (height - 1 - y) * row_size; // bottom row first
        for (size_t x = 0; x < width; ++x) {
            const uint8_t* bgr = &file[row + 3 * x];
            const Color stored = Color(bgr[0]) << 16 | Color(bgr[1]) << 8 | bgr[2];
            EXPECT_EQ(stored, image.color_at(int(x), int(y))) << x << "," << y;
        }
        for (size_t pad = 3 * width; pad < row_size; ++pad) EXPECT_EQ(file[row + pad], 0);
    }
}

TEST_F(BmpWriter, CharsetPictureFile) {
    make_image(0, 256, 256, position_color);
    const Bytes file = saved(0);
    ASSERT_EQ(file.size(), 196662u);
    EXPECT_EQ(field(file, 2, 4), 196662u);
    EXPECT_EQ(field(file, 34, 4), 196608u);
    // The last row in the file is the picture's top row.
    const size_t last_row = file.size() - 768;
    const auto bytes_at = [&file](size_t at) { return Bytes(&file[at], &file[at] + 3); };
    EXPECT_EQ(bytes_at(last_row), (Bytes{0x00, 0x00, 0x01}));           // (0, 0): 0x000001
    EXPECT_EQ(bytes_at(last_row + 3 * 255), (Bytes{0x00, 0x01, 0x00})); // (255, 0): 0x000100
    expect_bitmap_of(file, *image_buffer(0));
}

TEST_F(BmpWriter, PixelsGoOutBlueGreenRed) {
    make_image(0, 1, 1, [](int, int) { return Color(0x0000FF); });
    EXPECT_EQ(saved(0), (Bytes{'B',  'M',  58,   0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,        //
                               40,   0,    0,    0, 1, 0, 0, 0, 1, 0, 0,  0, 1, 0, 24, 0, //
                               0,    0,    0,    0, 4, 0, 0, 0, 0, 0, 0,  0, 0, 0, 0,  0, //
                               0,    0,    0,    0, 0, 0, 0, 0,                           //
                               0x00, 0x00, 0xFF, 0}));
}

TEST_F(BmpWriter, RowsArePaddedToFourBytes) {
    for (const auto& [width, height] : {std::pair{1, 1}, {2, 2}, {3, 2}, {4, 1}, {5, 3}}) {
        SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height));
        make_image(0, width, height, [](int x, int y) { return Color(0x123456 + x * 0x10 + y); });
        expect_bitmap_of(saved(0), *image_buffer(0));
    }
}

// ---- Failures ----

TEST_F(BmpWriter, NothingToSaveLeavesTheFolderAlone) {
    ASSERT_NE(create_image(0, 2, 2), 0);
    EXPECT_EQ(save_image(0, ""), 0);
    EXPECT_EQ(save_image(3, folder / "picture.bmp"), 0);
    EXPECT_EQ(save_image(0, folder / "missing/picture.bmp"), 0);
    EXPECT_TRUE(folder.entries().empty());
}

TEST_F(BmpWriter, AFailedWriteKeepsTheOldFile) {
    const Bytes old(1000, 'o');
    folder.write("picture.bmp", old);
    make_image(0, 16, 16, position_color);
    detail::AtomicFile::fail_writes_after(300);
    EXPECT_EQ(save_image(0, folder / "picture.bmp"), 0);
    EXPECT_EQ(folder.read("picture.bmp"), old);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"picture.bmp"});
}

TEST_F(BmpWriter, SavingOverALargerFileLeavesOnlyTheNewOne) {
    folder.write("picture.bmp", Bytes(300000, 'o'));
    make_image(0, 256, 256, position_color);
    EXPECT_EQ(saved(0).size(), 196662u);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"picture.bmp"});
}

} // namespace
