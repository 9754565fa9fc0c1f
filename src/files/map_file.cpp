#include "files/map_file.h"

namespace {

template <typename Grid>
bool placeGrid(Grid& cells, int width, int height, std::span<const uint8_t> file) {
    if (file.size() > size_t(width) * size_t(height)) return false;
    for (size_t i = 0; i < file.size(); ++i) cells[i % size_t(width)][i / size_t(width)] = file[i];
    return true;
}

template <typename Grid> std::vector<uint8_t> encodeGrid(const Grid& cells, int width, int height) {
    std::vector<uint8_t> bytes;
    bytes.reserve(size_t(width) * size_t(height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) bytes.push_back(uint8_t(cells[x][y]));
    return bytes;
}

} // namespace

bool placeMap(MapCells& cells, int width, int height, std::span<const uint8_t> file) {
    return placeGrid(cells, width, height, file);
}

bool placeMap(MapColors& colors, int width, int height, std::span<const uint8_t> file) {
    return placeGrid(colors, width, height, file);
}

std::vector<uint8_t> encodeMap(const MapCells& cells, int width, int height) {
    return encodeGrid(cells, width, height);
}

std::vector<uint8_t> encodeMap(const MapColors& colors, int width, int height) {
    return encodeGrid(colors, width, height);
}
