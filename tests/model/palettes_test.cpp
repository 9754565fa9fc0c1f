// Spot checks of the palettes: a channel swapped or a row shifted shows up here.
#include <gtest/gtest.h>

#include <utility>

#include "model/palettes.h"

namespace {

Color red(Color c) {
    return c & 0xFF;
}
Color blue(Color c) {
    return (c >> 16) & 0xFF;
}

TEST(Palettes, RedSitsInTheLowByte) {
    EXPECT_GT(red(c64Palette[2]), blue(c64Palette[2]));                     // C64 red
    EXPECT_EQ(c64Palette[8], 0x254F6Fu);                                    // C64 orange, #6F4F25
    EXPECT_GT(blue(atariPalette[0x78 >> 1]), red(atariPalette[0x78 >> 1])); // Atari blue
    const std::pair<int, Color> spectrum[] = {{1, 0xD70000}, {2, 0x0000D7},  {4, 0x00D700},
                                              {8, 0x000000}, {10, 0x0000FF}, {15, 0xFFFFFF}};
    for (auto [index, color] : spectrum) EXPECT_EQ(spectrumPalette[index], color) << index;
}

TEST(Palettes, AtariHueZeroIsGreysOfRisingLuminance) {
    EXPECT_EQ(atariPalette[0], 0x000000u);
    for (int luminance = 1; luminance < 8; ++luminance) {
        const Color c = atariPalette[luminance];
        EXPECT_EQ(c, red(c) * 0x010101u) << luminance;
        EXPECT_GT(c, atariPalette[luminance - 1]) << luminance;
    }
}

} // namespace
