// Map files and their colours files, of any content and length, read at each of the five map
// sizes and written back out. Input: the map size, then the file's contents.
#include <algorithm>
#include <span>
#include <string>

#include "files/map_file.h"
#include "fuzz_failure.h"

namespace {

int32_t backgroundCode(int x, int y) {
    return (x * 7 + y * 13) & 0xFF;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const MapSize map = mapSizes[data[0] % mapSizes.size()];
    const std::span<const uint8_t> file(data + 1, size - 1);
    MapCells cells;
    for (int x = 0; x < mapColumns; ++x)
        for (int y = 0; y < mapRows; ++y) cells[x][y] = backgroundCode(x, y);

    const size_t visible = size_t(map.width) * size_t(map.height);
    const bool read = placeMap(cells, map.width, map.height, file);
    if (read != (file.size() <= visible)) fuzzFailure("a file larger than the map was read");
    for (int y = 0; y < mapRows; ++y) {
        for (int x = 0; x < mapColumns; ++x) {
            const size_t offset = size_t(y) * size_t(map.width) + size_t(x);
            const bool fromFile = read && x < map.width && y < map.height && offset < file.size();
            if (cells[x][y] != (fromFile ? int32_t(file[offset]) : backgroundCode(x, y)))
                fuzzFailure("cell " + std::to_string(x) + "," + std::to_string(y) + " is wrong");
        }
    }
    // The file's bytes save back out in the same place.
    const std::vector<uint8_t> saved = encodeMap(cells, map.width, map.height);
    if (read && !std::equal(file.begin(), file.end(), saved.begin()))
        fuzzFailure("the read cells do not save back");
    // A colours file is read as a map file is.
    MapColors colors{};
    if (placeMap(colors, map.width, map.height, file) != read)
        fuzzFailure("a colours file was taken where the map file was not, or the other way");
    const std::vector<uint8_t> savedColors = encodeMap(colors, map.width, map.height);
    if (read && !std::equal(file.begin(), file.end(), savedColors.begin()))
        fuzzFailure("the read colours do not save back");
    return 0;
}
