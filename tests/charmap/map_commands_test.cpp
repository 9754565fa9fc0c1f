#include "charmap/map_edits.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Every cell holds a value naming its own place, so each move can be traced.
int32_t origin(int x, int y) {
    return 1000 * y + x;
}

class MapCommands : public ::testing::Test {
  protected:
    MapCommands() {
        for (int x = 0; x < mapColumns; ++x) {
            for (int y = 0; y < mapRows; ++y) (*cells)[x][y] = origin(x, y);
        }
        expected = *cells;
    }

    // On the heap and alone, so the sanitizer sees any write past the storage.
    std::unique_ptr<MapCells> cells = std::make_unique<MapCells>();
    MapCells expected{};
};

TEST(MapSizes, AreTheFiveScreensInMenuOrder) {
    EXPECT_EQ(mapSizes[0].width, 32);
    EXPECT_EQ(mapSizes[3].height, 50);
    for (const MapSize size : mapSizes) {
        EXPECT_TRUE(isMapSize(size.width, size.height));
        EXPECT_LE(size.width + 1, mapColumns) << "room for the hidden column";
        EXPECT_LE(size.height + 1, mapRows) << "room for the hidden row";
    }
    EXPECT_FALSE(isMapSize(24, 32));
    EXPECT_FALSE(isMapSize(80, 24));
}

TEST_F(MapCommands, StartMapNumbersEveryRowFrom32) {
    fillStartMap(*cells);
    for (int x = 0; x < mapColumns; ++x) {
        for (int y = 0; y < mapRows; ++y) ASSERT_EQ((*cells)[x][y], x + 32);
    }
}

TEST_F(MapCommands, FillReachesOnlyTheVisibleCells) {
    fillMap(*cells, 40, 24, 65);
    for (int x = 0; x < 40; ++x) {
        for (int y = 0; y < 24; ++y) expected[x][y] = 65;
    }
    EXPECT_EQ(*cells, expected);
}

TEST_F(MapCommands, InsertColumnAtZeroPushesTheLastColumnIntoTheHiddenOne) {
    insertMapColumn(*cells, 40, 24, 0, 7);
    for (int y = 0; y < 24; ++y) {
        expected[0][y] = 0;
        for (int x = 1; x <= 40; ++x) expected[x][y] = origin(x - 1, y);
    }
    EXPECT_EQ(*cells, expected);
}

TEST_F(MapCommands, DeleteColumnBlanksTheLastVisibleColumn) {
    deleteMapColumn(*cells, 40, 24, 10, 3);
    for (int y = 0; y < 24; ++y) {
        for (int x = 10; x < 39; ++x) expected[x][y] = origin(x + 1, y);
        expected[39][y] = 0;
    }
    EXPECT_EQ(*cells, expected);
}

TEST_F(MapCommands, InsertCharMovesTheRowTailAndTheHiddenCellRight) {
    insertMapChar(*cells, 40, 24, 10, 5);
    for (int x = 11; x <= 41; ++x) expected[x][5] = origin(x - 1, 5);
    expected[10][5] = 0;
    EXPECT_EQ(*cells, expected);
}

TEST_F(MapCommands, InsertCharAtTheLastColumnOfAFullWidthMapDropsTheHiddenCell) {
    insertMapChar(*cells, 80, 50, 79, 12);
    expected[80][12] = origin(79, 12);
    expected[79][12] = 0;
    EXPECT_EQ(*cells, expected);
}

TEST_F(MapCommands, InsertCharOutsideTheVisibleRowOnlyBlanksThatCell) {
    insertMapChar(*cells, 40, 24, 40, 2);
    expected[40][2] = 0;
    EXPECT_EQ(*cells, expected);
}

TEST_F(MapCommands, DeleteCharMovesTheRowTailLeftWithoutPullingInTheHiddenCell) {
    deleteMapChar(*cells, 40, 24, 10, 5);
    for (int x = 10; x < 39; ++x) expected[x][5] = origin(x + 1, 5);
    expected[39][5] = 0;
    EXPECT_EQ(*cells, expected);
}

TEST_F(MapCommands, DeleteCharAtTheLastVisibleColumnOnlyBlanksIt) {
    deleteMapChar(*cells, 40, 24, 39, 5);
    expected[39][5] = 0;
    EXPECT_EQ(*cells, expected);
}

TEST_F(MapCommands, InsertLineMovesRowsDownIntoTheHiddenRow) {
    insertMapLine(*cells, 40, 24, 3, 10);
    for (int x = 0; x <= 40; ++x) {
        expected[x][10] = 0;
        for (int y = 11; y <= 24; ++y) expected[x][y] = origin(x, y - 1);
    }
    EXPECT_EQ(*cells, expected);
}

TEST_F(MapCommands, DeleteLineMovesRowsUpAndBlanksTheLastVisibleRow) {
    deleteMapLine(*cells, 40, 24, 3, 10);
    for (int x = 0; x <= 40; ++x) {
        for (int y = 10; y < 23; ++y) expected[x][y] = origin(x, y + 1);
        expected[x][23] = 0;
    }
    EXPECT_EQ(*cells, expected);
}

TEST_F(MapCommands, InsertThenDeleteLineRestoresAllButTheLastVisibleRow) {
    insertMapLine(*cells, 80, 50, 0, 20);
    deleteMapLine(*cells, 80, 50, 0, 20);
    for (int x = 0; x <= 80; ++x) {
        expected[x][49] = 0;
        expected[x][50] = origin(x, 49); // the hidden row keeps what the insert pushed into it
    }
    EXPECT_EQ(*cells, expected);
}

TEST_F(MapCommands, LineCommandsBelowTheMapMoveNothing) {
    insertMapLine(*cells, 40, 24, 0, 25);
    deleteMapLine(*cells, 40, 24, 0, 24);
    EXPECT_EQ(*cells, expected);

    insertMapLine(*cells, 40, 24, 0, 24); // the hidden row itself is still blanked
    for (int x = 0; x <= 40; ++x) expected[x][24] = 0;
    EXPECT_EQ(*cells, expected);
}

TEST_F(MapCommands, FullSizeColumnCommandsStayInsideTheStorage) {
    insertMapColumn(*cells, 80, 50, 0, 0);
    deleteMapColumn(*cells, 80, 50, 0, 0);
    for (int y = 0; y < 50; ++y) {
        expected[79][y] = 0;
        expected[80][y] = origin(79, y);
    }
    EXPECT_EQ(*cells, expected);
}

} // namespace
