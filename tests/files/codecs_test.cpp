// Raw font and map files, decoded into and encoded from the document with no disk involved.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <vector>

#include "files/font_file.h"
#include "files/map_file.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes counting(size_t size, uint8_t first) {
    Bytes bytes(size);
    std::iota(bytes.begin(), bytes.end(), first);
    return bytes;
}

TEST(FontFile, PlacesWhatFitsFromTheFirstCodeAndKeepsTheRest) {
    const struct {
        size_t fileSize;
        int firstCode;
        size_t placed;
    } cases[] = {{1001, 0, 1001}, {2048, 200, 448}, {0, 5, 0}, {9000, 255, 8}};
    for (const auto& c : cases) {
        Charset charset;
        std::ranges::fill(charset, 0xEE);
        const Bytes file = counting(c.fileSize, 1);
        EXPECT_EQ(placeFont(charset, c.firstCode, file), c.placed) << c.fileSize;
        const size_t start = size_t(8 * c.firstCode);
        for (size_t i = 0; i < charset.size(); ++i) {
            const bool fromFile = i >= start && i < start + c.placed;
            ASSERT_EQ(charset[i], fromFile ? file[i - start] : 0xEE) << c.fileSize << " at " << i;
        }
    }
}

TEST(FontFile, EncodesOnlyWhatLiesWithinTheCharset) {
    Charset charset;
    std::iota(charset.begin(), charset.end(), uint8_t(0));
    const auto zx = encodeFont(charset, 160, 96);
    ASSERT_TRUE(zx);
    EXPECT_EQ(*zx, Bytes(charset.begin() + 1280, charset.end()));
    EXPECT_FALSE(encodeFont(charset, 161, 96));
    EXPECT_FALSE(encodeFont(charset, 1, 256));
    EXPECT_EQ(encodeFont(charset, 0, 256)->size(), 2048u);
    charset.height = 16; // glyphs at the set's height
    EXPECT_EQ(encodeFont(charset, 160, 96)->size(), 96u * 16);
    EXPECT_EQ(encodeFont(charset, 0, 256)->size(), 4096u);
}

MapCells filledMap(int32_t code) {
    MapCells cells;
    for (auto& column : cells) column.fill(code);
    return cells;
}

TEST(MapFile, FillsVisibleCellsInFileOrderOrRefusesAFileLargerThanTheMap) {
    const Bytes file = counting(960, 100); // wraps past 255: bytes 128..255 are codes too
    MapCells cells = filledMap(7);
    EXPECT_FALSE(placeMap(cells, 32, 24, file));
    EXPECT_EQ(cells, filledMap(7));

    ASSERT_TRUE(placeMap(cells, 40, 25, file));
    for (int row = 0; row < 25; ++row)
        for (int column = 0; column < 41; ++column) {
            const bool fromFile = row < 24 && column < 40;
            ASSERT_EQ(cells[column][row], fromFile ? file[size_t(row * 40 + column)] : 7);
        }
    EXPECT_EQ(cells[28][0], 128);

    EXPECT_TRUE(placeMap(cells, 80, 50, {}));
}

TEST(MapFile, EncodesTheVisibleCellsRowByRowInTheirLowBits) {
    MapCells cells = filledMap(0);
    for (int column = 0; column < mapColumns; ++column)
        for (int row = 0; row < mapRows; ++row) cells[column][row] = column + 32 + 256 * row;
    const Bytes bytes = encodeMap(cells, 40, 24);
    ASSERT_EQ(bytes.size(), 960u);
    for (size_t i = 0; i < bytes.size(); ++i) ASSERT_EQ(bytes[i], 32 + i % 40);
}

} // namespace
