#include "files/foreign_work.h"

#include <algorithm>

namespace {

MapSize smallestSizeHolding(int width, int height) {
    MapSize best = mapSizes.front();
    bool found = false;
    for (const MapSize size : mapSizes) {
        if (size.width < width || size.height < height) continue;
        if (!found || size.width * size.height < best.width * best.height) best = size;
        found = true;
    }
    if (found) return best;
    // None holds it: the largest, which the map is cut to.
    return *std::max_element(mapSizes.begin(), mapSizes.end(), [](MapSize a, MapSize b) {
        return a.width * a.height < b.width * b.height;
    });
}

} // namespace

std::string placeForeignMap(Document& document, const ForeignMap& map) {
    const MapSize size = smallestSizeHolding(map.width, map.height);
    document.mapWidth = size.width;
    document.mapHeight = size.height;
    document.mapCells = MapCells{};
    document.mapColors = filledMapColors(0);
    const int width = std::min(map.width, size.width);
    const int height = std::min(map.height, size.height);
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < width; ++column) {
            const size_t at = size_t(row) * size_t(map.width) + size_t(column);
            document.mapCells[column][row] = int32_t(map.codes[at] & 0xFF);
            if (!map.colors.empty()) document.mapColors[column][row] = map.colors[at];
        }
    if (width == map.width && height == map.height) return "";
    return "The map is " + std::to_string(map.width) + " x " + std::to_string(map.height) +
           " cells; gridlet keeps its top-left " + std::to_string(width) + " x " +
           std::to_string(height) + ", and " +
           std::to_string(map.width * map.height - width * height) + " cells were left out.";
}

ForeignMap visibleMap(const Document& document) {
    ForeignMap map{document.mapWidth, document.mapHeight, {}, {}};
    for (int row = 0; row < map.height; ++row)
        for (int column = 0; column < map.width; ++column) {
            map.codes.push_back(uint32_t(document.mapCells[column][row]) & 0xFF);
            map.colors.push_back(document.mapColors[column][row]);
        }
    return map;
}
