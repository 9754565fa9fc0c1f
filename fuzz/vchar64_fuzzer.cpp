// VChar64 projects of any content: refused with a reason, or read into a document that, written
// and read again, comes back the same.
#include "files/vchar64_file.h"
#include "fuzz_failure.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const WorkReading reading =
        decodeVchar64Project(std::span<const uint8_t>(data, size), Document{});
    if (!reading.problem.empty()) {
        if (reading.document != Document{}) fuzzFailure("a refused project changed the document");
        return 0;
    }
    if (!isMapSize(reading.document.mapWidth, reading.document.mapHeight))
        fuzzFailure("a project of a map size gridlet does not know");
    // Written, each char keeps one colour; the second reading is the first one's fixed point.
    const std::vector<uint8_t> written = encodeVchar64Project(reading.document);
    const WorkReading again = decodeVchar64Project(written, Document{});
    if (!again.problem.empty()) fuzzFailure("a written project is refused");
    if (encodeVchar64Project(again.document) != written)
        fuzzFailure("the project does not save back");
    return 0;
}
