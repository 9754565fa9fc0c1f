// Pictures of any content, PNG or BMP, with gridlet's note of the colours that drew them or
// without: read through libpng or the BMP reader and cut into glyphs in two colours or in bit
// pairs, they give a whole number of glyphs of a sheet or a strip, or a reason.
#include <string>

#include "files/font_formats.h"
#include "fuzz_failure.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const char* name = data[0] & 1 ? "sheet.png" : "sheet.bmp";
    const GlyphLook look = data[0] & 2 ? GlyphLook{true, {0x000000, 0x0000FF, 0x00FF00, 0xFF0000}}
                                       : narrowLook(0x000000, 0xFFFFFF);
    // Pictures without gridlet's note are read at 8 rows or at 16.
    const int height = data[0] & 4 ? 16 : 8;
    const FontReading reading = decodeFontFile({data + 1, size - 1}, name, look, height);
    if (!reading.problem.empty() || reading.raw) return 0;
    if (reading.bytes.empty() || !isGlyphHeight(reading.height) ||
        reading.bytes.size() % size_t(reading.height) != 0)
        fuzzFailure("read " + std::to_string(reading.bytes.size()) + " bytes of glyphs");
    if (!reading.atCurrentChar && reading.bytes.size() > charsetBytes(reading.height))
        fuzzFailure("a sheet of too many glyphs");
    return 0;
}
