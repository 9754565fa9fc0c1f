// Petmate workspaces of any content, through the JSON reader: refused with a reason, or each
// screen read into a document that, written and read again, comes back the same.
#include "files/json_value.h"
#include "files/petmate_file.h"
#include "fuzz_failure.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> file(data, size);
    parseJson(std::string_view(reinterpret_cast<const char*>(data), size));
    const size_t screens = petmateScreenNames(file).size();
    for (size_t screen = 0; screen <= screens; ++screen) {
        const WorkReading reading = decodePetmateFile(file, Document{}, screen);
        if (!reading.problem.empty()) {
            if (reading.document != Document{}) fuzzFailure("a refused file changed the document");
            continue;
        }
        if (screen == screens) fuzzFailure("a screen beyond the names was read");
        const std::vector<uint8_t> written = encodePetmateFile(reading.document);
        const WorkReading again = decodePetmateFile(written, Document{}, 0);
        if (!again.problem.empty()) fuzzFailure("a written workspace is refused");
        if (again.document.charset != reading.document.charset ||
            again.document.mapCells != reading.document.mapCells ||
            again.document.mapColors != reading.document.mapColors ||
            again.document.machineColors != reading.document.machineColors ||
            again.document.c64Border != reading.document.c64Border)
            fuzzFailure("the workspace does not save back");
    }
    return 0;
}
