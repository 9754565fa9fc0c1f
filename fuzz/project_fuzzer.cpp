// Project files of any content: refused with a reason, or read into values that, saved and
// opened again, come back the same.
#include "files/project_file.h"
#include "fuzz_failure.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> file(data, size);
    const SessionReading reading = decodeProject(file);
    if (!reading.problem.empty()) return 0;
    if (!isMapSize(reading.session.document.mapWidth, reading.session.document.mapHeight))
        fuzzFailure("a project of a map size gridlet does not know");
    if (decodeProject(encodeProject(reading.session)).session != reading.session)
        fuzzFailure("the project does not save back");
    return 0;
}
