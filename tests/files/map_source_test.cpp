// The character map as C source: its codes, and in the modes where cells have colours, their
// colour bytes as a second array.
#include <gtest/gtest.h>

#include <string>

#include "files/source_text.h"

namespace {

// A 3 x 2 map of codes 65, 66, 67 / 200, 201, 202 and colours 1, 2, 3 / 0x78, 0x79, 0x7A; the
// hidden column and row hold other bytes that must not show.
Document smallMap(ColorMode mode) {
    Document document;
    document.mapWidth = 3;
    document.mapHeight = 2;
    document.colorMode = mode;
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 3; ++y) {
            document.mapCells[x][y] = (y ? 200 : 65) + x + 256 * y;
            document.mapColors[x][y] = uint8_t((y ? 0x78 : 1) + x);
        }
    return document;
}

constexpr const char* codes = "/* screen: a character map of 3 x 2 cells, row by row, a character "
                              "code a cell. Made with gridlet. */\n"
                              "static const unsigned char screen[2][3] = {\n"
                              "    {65, 66, 67},\n"
                              "    {200, 201, 202},\n"
                              "};\n";
constexpr const char* colors = "static const unsigned char screen_colors[2][3] = {\n"
                               "    {1, 2, 3},\n"
                               "    {120, 121, 122},\n"
                               "};\n";

TEST(MapSource, CellColoursFollowTheCodesOnlyInTheModesThatHaveThem) {
    const std::string c64 = "\n/* The colour of each cell, row by row: its colour RAM value, for "
                            "the colour RAM at $D800. */\n";
    const std::string spectrum = "\n/* The colour of each cell, row by row: its attribute (flash "
                                 "* 128 + bright * 64 + paper * 8 + ink), for the attribute "
                                 "area. */\n";
    const struct {
        ColorMode mode;
        std::string expected;
    } cases[] = {
        {ColorMode::twoColors, codes},
        {ColorMode::atari4, codes},
        {ColorMode::c64Single, codes + c64 + colors},
        {ColorMode::c64Multi, codes + c64 + colors},
        {ColorMode::spectrum, codes + spectrum + colors},
    };
    for (const auto& c : cases)
        EXPECT_EQ(encodeMapCSource(smallMap(c.mode), {"screen", ""}), c.expected) << int(c.mode);
}

} // namespace
