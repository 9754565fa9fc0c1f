// Pasted texts of any content: a reading is whole glyphs or says why there are none. And glyphs
// made of the input, exported in every text form under a file name taken from the input, paste
// back as themselves.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "files/glyph_text.h"
#include "files/source_text.h"
#include "files/text_encoding.h"
#include "fuzz_failure.h"

namespace {

void checkReading(const GlyphTextReading& reading) {
    if (reading.glyphs.empty() == reading.problem.empty())
        fuzzFailure("glyphs and a problem, or neither");
    if (reading.glyphs.size() % 8 != 0) fuzzFailure("a part of a glyph");
    if (reading.leftOver < 0 || reading.leftOver > 7)
        fuzzFailure(std::to_string(reading.leftOver) + " left over");
}

void checkExports(FuzzedDataProvider& input) {
    const std::string fileName = input.ConsumeRandomLengthString(40);
    const int firstCode = input.ConsumeIntegralInRange(0, 255);
    std::vector<uint8_t> glyphs = input.ConsumeRemainingBytes<uint8_t>();
    glyphs.resize(std::min(glyphs.size() / 8, size_t(256 - firstCode)) * 8);
    if (glyphs.empty()) return;
    // The IBM PC's characters, graphic ones for the control codes, in the comments.
    static const TextEncoding encoding = [] {
        TextEncoding ibm;
        placeBuiltinEncoding(ibm, BuiltinCharset::ibmPcCga);
        return ibm;
    }();
    const auto assembler = [&](Assembler dialect) {
        return encodeAssembler(glyphs, firstCode, sourceNameOf(fileName, languageOf(dialect)),
                               dialect, encoding);
    };
    const std::pair<const char*, std::string> exports[] = {
        {"C",
         encodeCSource(glyphs, firstCode, sourceNameOf(fileName, SourceLanguage::c), encoding)},
        {"ca65", assembler(Assembler::ca65)},
        {"acme", assembler(Assembler::acme)},
        {"defb", assembler(Assembler::z80Defb)},
        {"DB", assembler(Assembler::z80Db)},
        {"BASIC", encodeBasicData(glyphs, firstCode, identifierOf(fileName))},
        {"text copy", encodeGlyphText(glyphs)},
    };
    for (const auto& [form, text] : exports) {
        const GlyphTextReading reading = decodeGlyphText(text);
        if (reading.glyphs != glyphs || reading.leftOver != 0)
            fuzzFailure(std::string("the ") + form + " export does not paste back:\n" + text);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    checkReading(decodeGlyphText({reinterpret_cast<const char*>(data), size}));
    FuzzedDataProvider input(data, size);
    checkExports(input);
    return 0;
}
