// Raw font files of any content and length, placed at any first code and written back out.
// Input: the first code, then the file's contents.
#include <algorithm>
#include <span>
#include <string>

#include "files/font_file.h"
#include "fuzz_failure.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const int firstCode = data[0];
    const std::span<const uint8_t> file(data + 1, size - 1);
    Charset charset;
    for (size_t i = 0; i < charset.size(); ++i) charset[i] = uint8_t(i * 37 + 11);
    const Charset before = charset;

    const size_t placed = placeFont(charset, firstCode, file);
    const size_t start = size_t(machineGlyphHeight * firstCode);
    if (placed != std::min(file.size(), charset.size() - start))
        fuzzFailure("placed " + std::to_string(placed) + " bytes");
    for (size_t i = 0; i < charset.size(); ++i) {
        const bool fromFile = i >= start && i < start + placed;
        if (charset[i] != (fromFile ? file[i - start] : before[i]))
            fuzzFailure("charset byte " + std::to_string(i) + " is wrong");
    }
    // Saving the glyphs placed from the same code gives the placed bytes back exactly.
    const int glyphs = int((placed + machineGlyphHeight - 1) / machineGlyphHeight);
    const auto saved = encodeFont(charset, firstCode, glyphs);
    if (!saved || saved->size() < placed ||
        !std::equal(file.begin(), file.begin() + ptrdiff_t(placed), saved->begin()))
        fuzzFailure("the placed bytes do not save back");
    return 0;
}
