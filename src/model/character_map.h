// The character map: a text screen of character codes. Storage has one column and one row
// beyond the largest map (80 x 50): a held button reaches them, and some edits move codes
// into them, but they are never shown or saved.
#pragma once

#include <array>
#include <cstdint>

constexpr int mapColumns = 81;
constexpr int mapRows = 51;

using MapCells = std::array<std::array<int32_t, mapRows>, mapColumns>; // [column][row]

struct MapSize {
    int width;
    int height;
};

// The screen sizes in the order the "Map" menu offers them.
constexpr std::array<MapSize, 5> mapSizes{{{32, 24}, {40, 24}, {40, 25}, {80, 50}, {64, 30}}};

constexpr bool isMapSize(int width, int height) {
    for (const MapSize size : mapSizes)
        if (size.width == width && size.height == height) return true;
    return false;
}
