// BDF fonts of any content: every glyph read has a code from 0 to 255, and a set made of them,
// saved again, reads back the same glyphs.
#include <string>

#include "files/bdf_file.h"
#include "fuzz_failure.h"
#include "model/charset.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const FontReading reading = decodeBdf({data, size});
    if (!reading.problem.empty()) return 0;
    if (reading.coded.empty()) fuzzFailure("read, yet no glyph");
    Charset set{};
    for (const auto& [code, glyph] : reading.coded) {
        if (code < 0 || code > 255) fuzzFailure("a glyph of code " + std::to_string(code));
        std::copy(glyph.begin(), glyph.end(), glyphOf(set, code).begin());
    }
    const std::string saved = encodeBdf(set, 0, "again");
    const FontReading again =
        decodeBdf({reinterpret_cast<const uint8_t*>(saved.data()), saved.size()});
    if (!again.problem.empty() || again.coded.size() != 256)
        fuzzFailure("the set does not save back");
    for (const auto& [code, glyph] : again.coded)
        if (!std::equal(glyph.begin(), glyph.end(), glyphOf(set, code).begin()))
            fuzzFailure("glyph " + std::to_string(code) + " changed");
    return 0;
}
