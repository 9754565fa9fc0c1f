#include "files/map_file.h"

#include <cstdint>
#include <vector>

#include "toolkit/files.h"
#include "toolkit/requesters.h"
#include "views/map_view.h"

using namespace toolkit;

namespace {
constexpr int mapFile = 0;
} // namespace

void loadMapFile(AppState& state, const std::string& name) {
    // A missing file has a negative size, so it falls through to the failed open below.
    if (file_size(name) > int64_t(state.mapWidth) * state.mapHeight) {
        message_requester("Open File", "to big map:" + name, message_ok);
        return;
    }
    if (!open_file_for_reading(mapFile, name)) {
        message_requester("Open File", "unable to open:" + name, message_ok);
        return;
    }
    for (int y = 0; y < state.mapHeight && !end_of_file(mapFile); ++y) {
        for (int x = 0; x < state.mapWidth && !end_of_file(mapFile); ++x) {
            state.mapCells[x][y] = read_byte(mapFile);
        }
    }
    close_file(mapFile);
    drawMap(state);
    state.mapFileName = name;
}

bool writeMapCells(const AppState& state, int file) {
    std::vector<uint8_t> bytes;
    bytes.reserve(size_t(state.mapWidth) * size_t(state.mapHeight));
    for (int y = 0; y < state.mapHeight; ++y) {
        for (int x = 0; x < state.mapWidth; ++x) bytes.push_back(uint8_t(state.mapCells[x][y]));
    }
    return write_data(file, bytes.data(), int64_t(bytes.size())) == int64_t(bytes.size());
}
