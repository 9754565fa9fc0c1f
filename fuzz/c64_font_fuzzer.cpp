// C64 fonts of any content: the glyphs are the whole ones that follow the load address, and
// saved again with that address they give the file back but for the stray bytes after them,
// which the note counts.
#include <string>

#include "files/c64_font.h"
#include "fuzz_failure.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const FontReading reading = decodeC64Font({data, size});
    if (!reading.problem.empty()) {
        if (size >= 2 + 8) fuzzFailure("a file with a whole glyph was refused");
        return 0;
    }
    const size_t stray = (size - 2) % 8;
    const std::vector<uint8_t> saved =
        encodeC64Font(reading.bytes, uint16_t(data[0] | data[1] << 8));
    if (saved != std::vector<uint8_t>(data, data + size - stray))
        fuzzFailure("the file does not save back");
    if ((stray > 0) != (reading.note.find(std::to_string(stray) + " bytes") != std::string::npos))
        fuzzFailure("the stray bytes are not counted in the note");
    return 0;
}
