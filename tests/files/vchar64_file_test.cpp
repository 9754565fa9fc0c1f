#include "files/vchar64_file.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// A document of C64 work whose cells beyond its map are empty, as a reading leaves them, and
// whose codes each keep one colour, as VChar64's colours per char can say.
Document c64Work(ColorMode mode, MapSize size, unsigned seed) {
    Document document;
    std::mt19937 random(seed);
    for (auto& byte : document.charset) byte = uint8_t(random());
    document.colorMode = mode;
    document.machineColors.c64Background = 11;
    document.machineColors.c64Multi1 = 4;
    document.machineColors.c64Multi2 = 9;
    document.machineColors.c64Ink = 14;
    document.mapWidth = size.width;
    document.mapHeight = size.height;
    document.mapCells = MapCells{};
    document.mapColors = filledMapColors(0);
    for (int column = 0; column < size.width; ++column)
        for (int row = 0; row < size.height; ++row) {
            const int code = int(random() % 256);
            document.mapCells[column][row] = code;
            document.mapColors[column][row] = uint8_t(code * 7 % 16);
        }
    return document;
}

TEST(Vchar64File, ReadsBackWhatItWrites) {
    const struct {
        ColorMode mode;
        MapSize size;
    } cases[]{{ColorMode::c64Single, {40, 25}},
              {ColorMode::c64Multi, {32, 24}},
              {ColorMode::c64Multi, {80, 50}},
              {ColorMode::c64Single, {64, 30}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size.width);
        const Document original = c64Work(c.mode, c.size, unsigned(c.size.width));
        const std::vector<uint8_t> file = encodeVchar64Project(original);
        EXPECT_TRUE(isVchar64Project(file));
        EXPECT_EQ(file[5], 3);
        const WorkReading reading = decodeVchar64Project(file, Document{});
        EXPECT_EQ(reading.problem, "");
        EXPECT_EQ(reading.note, "");
        EXPECT_EQ(reading.document, original);
    }
}

// A project of the older versions, with the given tiles and a map of tile numbers.
std::vector<uint8_t> project(uint8_t version, int chars, int tileSide, int interleave,
                             uint8_t colorMode, std::vector<uint8_t> map, int mapWidth) {
    std::vector<uint8_t> file{'V',
                              'C',
                              'h',
                              'a',
                              'r',
                              version,
                              0,
                              1,
                              2,
                              5,
                              0,
                              uint8_t(chars & 0xFF),
                              uint8_t(chars >> 8),
                              uint8_t(tileSide),
                              uint8_t(tileSide),
                              uint8_t(interleave),
                              colorMode,
                              uint8_t(mapWidth),
                              0,
                              uint8_t(map.size() / size_t(mapWidth)),
                              0};
    file.resize(32);
    for (int i = 0; i < chars * 8; ++i) file.push_back(uint8_t(i / 8));
    if (version == 1) return file;
    for (int tile = 0; tile < 256; ++tile) file.push_back(uint8_t(tile + 3));
    file.insert(file.end(), map.begin(), map.end());
    return file;
}

TEST(Vchar64File, LaysTilesOutAsCharsByTheirInterleave) {
    // Tile 1 of 2 x 2 chars: chars 4, 5, 6, 7 when they follow each other; 1, 65, 129, 193 when
    // 64 apart.
    for (const auto& [interleave, codes] :
         {std::pair{1, std::array{4, 5, 6, 7}}, std::pair{64, std::array{1, 65, 129, 193}}}) {
        const WorkReading reading =
            decodeVchar64Project(project(2, 256, 2, interleave, 1, {1, 0}, 2), Document{});
        ASSERT_EQ(reading.problem, "");
        const Document& d = reading.document;
        EXPECT_EQ(
            (std::array{d.mapCells[0][0], d.mapCells[1][0], d.mapCells[0][1], d.mapCells[1][1]}),
            codes);
        EXPECT_EQ(d.mapColors[1][1], 4); // tile 1's colour
        EXPECT_EQ(d.mapColors[2][0], 3); // tile 0's
        EXPECT_EQ(d.glyph(7)[0], 7);
        EXPECT_EQ(d.machineColors.c64Multi2, 2);
        EXPECT_EQ(d.machineColors.c64Ink, 5);
        EXPECT_EQ(std::pair(d.mapWidth, d.mapHeight), std::pair(32, 24));
    }
}

TEST(Vchar64File, GlobalColourPaintsEveryCellAndVersionOneKeepsTheMap) {
    const WorkReading global =
        decodeVchar64Project(project(2, 256, 1, 1, 0, {9, 8}, 2), Document{});
    EXPECT_EQ(global.document.mapColors[1][0], 5);
    Document base;
    base.mapCells[3][3] = 77;
    const WorkReading old = decodeVchar64Project(project(1, 128, 1, 1, 0, {}, 1), base);
    ASSERT_EQ(old.problem, "");
    EXPECT_EQ(old.document.mapCells, base.mapCells);
    EXPECT_EQ(old.document.glyph(200)[0], 0); // codes the file lacks are blank
    EXPECT_EQ(old.document.glyph(127)[0], 127);
}

TEST(Vchar64File, KeepsTheFirst256CharsWithANote) {
    const WorkReading reading =
        decodeVchar64Project(project(3, 300, 1, 1, 1, {255}, 1), Document{});
    ASSERT_EQ(reading.problem, "");
    EXPECT_EQ(reading.document.glyph(255)[0], 255);
    EXPECT_NE(reading.note.find("44 were left out"), std::string::npos);
}

TEST(Vchar64File, RefusesDamagedProjectsAndChangesNothing) {
    std::vector<uint8_t> cut = project(2, 256, 1, 1, 1, {0, 0, 0, 0}, 2);
    cut.pop_back();
    std::vector<uint8_t> shortSet = project(1, 256, 1, 1, 1, {}, 1);
    shortSet.resize(2000);
    std::vector<uint8_t> huge = project(2, 256, 8, 1, 1, {0}, 1);
    huge[17] = huge[18] = huge[19] = huge[20] = 0xFF;
    const std::vector<uint8_t> damaged[]{
        {'V', 'C', 'h', 'a', 'r', 3},
        {'V', 'C', 'h', 'a', 'x', 3},
        project(4, 256, 1, 1, 1, {0}, 1),
        project(2, 0, 1, 1, 1, {0}, 1),
        shortSet,
        project(2, 256, 9, 1, 1, {0}, 1),
        project(2, 256, 2, 0, 1, {0}, 1),
        project(2, 256, 1, 1, 2, {0}, 1),
        project(2, 256, 1, 1, 1, {}, 1),
        cut,
        huge,
    };
    Document base;
    base.mapCells[1][1] = 5;
    for (const auto& file : damaged) {
        const WorkReading reading = decodeVchar64Project(file, base);
        EXPECT_NE(reading.problem, "") << file.size();
        EXPECT_EQ(reading.document, base);
    }
}

} // namespace
