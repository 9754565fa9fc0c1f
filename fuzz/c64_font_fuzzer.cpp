// C64 fonts of any content: the glyphs are what follows the load address, and saved again
// with that address they give the file back.
#include "files/c64_font.h"
#include "fuzz_failure.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const FontReading reading = decodeC64Font({data, size});
    if (!reading.problem.empty()) {
        if (size > 2) fuzzFailure("a file with glyph bytes was refused");
        return 0;
    }
    const std::vector<uint8_t> saved =
        encodeC64Font(reading.bytes, uint16_t(data[0] | data[1] << 8));
    if (saved != std::vector<uint8_t>(data, data + size))
        fuzzFailure("the file does not save back");
    return 0;
}
