// CharPad projects of any content: refused with a reason and the document left as it was, or
// read into C64 work on one of gridlet's maps, with codes and colours the C64 has, that written
// as a project and opened again comes back the same.
#include <string>

#include "files/charpad_file.h"
#include "fuzz_failure.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> file(data, size);
    static const Document base = [] {
        Document document;
        document.c64Border = 7;
        document.mapCells[3][3] = 65;
        return document;
    }();
    const WorkReading reading = decodeCharpadProject(file, base);
    if (!reading.problem.empty()) {
        if (reading.document != base || !reading.note.empty())
            fuzzFailure("a refused project changed the document or left a note");
        return 0;
    }
    if (!isCharpadProject(file)) fuzzFailure("a file without CharPad's mark was read");
    const Document& document = reading.document;
    if (document.colorMode != ColorMode::c64Single && document.colorMode != ColorMode::c64Multi)
        fuzzFailure("a project read in a mode not the C64's");
    if (!isMapSize(document.mapWidth, document.mapHeight))
        fuzzFailure("a project of a map size gridlet does not know");
    const MachineColors& colours = document.machineColors;
    if (colours.c64Background > 15 || colours.c64Multi1 > 15 || colours.c64Multi2 > 15 ||
        colours.c64Ink > 15)
        fuzzFailure("a shared colour beyond the C64's 16");
    for (int x = 0; x < mapColumns; ++x)
        for (int y = 0; y < mapRows; ++y) {
            const bool visible = x < document.mapWidth && y < document.mapHeight;
            const int32_t code = document.mapCells[x][y];
            const uint8_t colour = document.mapColors[x][y];
            if (code < 0 || code > 255 || colour > 15)
                fuzzFailure("a cell read as code " + std::to_string(code) + " in colour " +
                            std::to_string(colour));
            if (!visible && (code != 0 || colour != 0)) fuzzFailure("a cell beyond the map is set");
        }
    const WorkReading again = decodeCharpadProject(encodeCharpadProject(document), document);
    if (!again.problem.empty() || !again.note.empty() || again.document != document)
        fuzzFailure("the project does not write back");
    return 0;
}
