// Map files of any content and length, loaded at each of the five map sizes by a drop on the
// map view or through "Open..." with the map pattern. Input: the map size, a byte of choices,
// then the file's contents.
#include <array>
#include <string>

#include "app/menu_bar.h"
#include "fuzz_program.h"

namespace {

struct SizeCommand {
    int id, width, height;
};
constexpr std::array<SizeCommand, 5> sizeCommands{{{mapZxId, 32, 24},
                                                   {mapAtariId, 40, 24},
                                                   {mapC64Id, 40, 25},
                                                   {mapPcId, 80, 50},
                                                   {mapUssrId, 64, 30}}};

int32_t backgroundCode(int x, int y) {
    return (x * 7 + y * 13) & 0xFF;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    FuzzProgram& program = fuzzProgram();
    const SizeCommand& mapSize = sizeCommands[data[0] % sizeCommands.size()];
    const bool byDrop = data[1] & 1;
    const std::span<const uint8_t> contents(data + 2, size - 2);

    program.ui.choose_menu_item(mainWindow, mapSize.id);
    program.run();
    AppState& state = program.state;
    if (state.mapWidth != mapSize.width || state.mapHeight != mapSize.height)
        fuzzFailure("the map size command did not take");
    for (int x = 0; x < mapColumns; ++x)
        for (int y = 0; y < mapRows; ++y)
            state.mapCells[size_t(x)][size_t(y)] = backgroundCode(x, y);
    state.mapFileName = "before";
    program.ui.messages_shown.clear();

    const std::string name = program.writeFile(contents);
    if (byDrop) {
        program.ui.drop_files(mapView, {name});
    } else {
        program.ui.answer_file(name, 1);
        program.ui.choose_menu_item(mainWindow, openId);
    }
    program.run();

    const size_t cells = size_t(mapSize.width * mapSize.height);
    const bool tooBig = contents.size() > cells;
    const auto& shown = program.ui.messages_shown;
    if (tooBig && (shown.size() != 1 || shown[0].title != "Open File" ||
                   shown[0].text != "to big map:" + name))
        fuzzFailure("a file larger than the map is not reported");
    if (!tooBig && !shown.empty()) fuzzFailure("a map file gave the message " + shown[0].text);
    const bool nameTaken = !tooBig || !byDrop;
    if (state.mapFileName != (nameTaken ? name : std::string("before")))
        fuzzFailure("the map file name is \"" + state.mapFileName + "\"");
    for (int x = 0; x < mapColumns; ++x) {
        for (int y = 0; y < mapRows; ++y) {
            const size_t offset = size_t(y * mapSize.width + x);
            const bool fromFile =
                !tooBig && x < mapSize.width && y < mapSize.height && offset < contents.size();
            const int32_t expected = fromFile ? contents[offset] : backgroundCode(x, y);
            if (state.mapCells[size_t(x)][size_t(y)] != expected)
                fuzzFailure("map cell (" + std::to_string(x) + "," + std::to_string(y) +
                            ") is wrong");
        }
    }
    return 0;
}
