// Console fonts of any content: a font read is a whole number of glyphs, at most 256, and saved
// again it reads back the same. A PSF 1 font is taken for one only when its mode is one a
// console font has and the file holds every glyph its header promises.
#include <algorithm>
#include <string>

#include "files/psf_file.h"
#include "fuzz_failure.h"

namespace {

// The PSF 1 header by hand: whether it is one, and whether gridlet reads it.
void checkPsf1(std::span<const uint8_t> file, const FontReading& reading) {
    if (file.size() < 2 || file[0] != 0x36 || file[1] != 0x04) return;
    const size_t height = file.size() >= 4 ? file[3] : 0;
    const size_t count = file.size() >= 4 && file[2] & 1 ? 512 : 256;
    const bool whole =
        file.size() >= 4 && file[2] <= 5 && height > 0 && file.size() >= 4 + count * height;
    if (isPsf(file) != whole) fuzzFailure("a PSF 1 header taken wrongly");
    if (reading.problem.empty() != (whole && height <= maxGlyphHeight))
        fuzzFailure("a PSF 1 font read wrongly");
    if (reading.problem.empty() &&
        !std::equal(reading.bytes.begin(), reading.bytes.end(), file.begin() + 4))
        fuzzFailure("a PSF 1 font's glyphs are not the ones after its header");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const FontReading reading = decodePsf({data, size});
    checkPsf1({data, size}, reading);
    if (!reading.problem.empty()) return 0;
    if (!isPsf({data, size})) fuzzFailure("read, yet not taken for a console font");
    const std::vector<uint8_t>& glyphs = reading.bytes;
    const size_t height = size_t(reading.height);
    if (!isGlyphHeight(reading.height) || glyphs.empty() || glyphs.size() % height != 0 ||
        glyphs.size() > charsetBytes(reading.height))
        fuzzFailure("read " + std::to_string(glyphs.size()) + " bytes of glyphs");
    for (const auto& [glyph, character] : reading.unicode)
        if (glyph < 0 || size_t(glyph) >= glyphs.size() / height || character == 0 ||
            character > 0x10FFFF || (character >= 0xD800 && character < 0xE000))
            fuzzFailure("a Unicode table entry of glyph " + std::to_string(glyph) +
                        " is no character");
    const FontReading again = decodePsf(encodePsf(glyphs, {}, reading.height));
    if (!again.problem.empty() || again.bytes != glyphs || again.height != reading.height)
        fuzzFailure("the glyphs do not save back");
    return 0;
}
