// Console fonts of any content: a font read is a whole number of glyphs, at most 256, and saved
// again it reads back the same.
#include <string>

#include "files/psf_file.h"
#include "fuzz_failure.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const FontReading reading = decodePsf({data, size});
    if (!reading.problem.empty()) return 0;
    const std::vector<uint8_t>& glyphs = reading.bytes;
    if (glyphs.empty() || glyphs.size() % 8 != 0 || glyphs.size() > 2048)
        fuzzFailure("read " + std::to_string(glyphs.size()) + " bytes of glyphs");
    const FontReading again = decodePsf(encodePsf2(glyphs));
    if (!again.problem.empty() || again.bytes != glyphs) fuzzFailure("the glyphs do not save back");
    return 0;
}
