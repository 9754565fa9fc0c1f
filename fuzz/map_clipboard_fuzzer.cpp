// What another program leaves on the clipboard, pasted onto the map: as gridlet's own cells it is
// taken only whole and writes back the same bytes; as text, in Latin-1 and in the C64's screen
// codes, it is never larger than the largest map, and copied back as text it reads the same.
#include <string>

#include "files/map_clipboard.h"
#include "files/text_encoding.h"
#include "fuzz_failure.h"

namespace {

void checkText(const std::string& text, const TextEncoding& encoding) {
    const MapTextReading reading = decodeMapText(text, encoding);
    const MapBlock& block = reading.block;
    if (block.width < 0 || block.width > 80 || block.height < 1 || block.height > 50 ||
        block.codes.size() != size_t(block.width) * size_t(block.height) || !block.colors.empty())
        fuzzFailure("text read as a block of the wrong size");
    for (const int32_t code : block.codes)
        if (code < -1 || code > 255) fuzzFailure("text read as code " + std::to_string(code));
    const MapTextReading again = decodeMapText(encodeMapText(block, encoding), encoding);
    if (again.block.width != block.width || again.block.height != block.height ||
        again.block.codes != block.codes)
        fuzzFailure("the cells copied as text read back otherwise");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> bytes(data, data + size);
    if (const std::optional<MapBlock> block = decodeMapBlock(bytes)) {
        if (block->codes.size() != block->colors.size() ||
            block->codes.size() != size_t(block->width) * size_t(block->height))
            fuzzFailure("cells read with codes and colours of different counts");
        if (encodeMapBlock(*block) != bytes) fuzzFailure("the cells do not write back the same");
    }
    const std::string text(bytes.begin(), bytes.end());
    static const TextEncoding latin = latinEncoding();
    static const TextEncoding c64 = [] {
        TextEncoding encoding = latinEncoding();
        placeBuiltinEncoding(encoding, BuiltinCharset::c64Caps);
        return encoding;
    }();
    checkText(text, latin);
    checkText(text, c64);
    return 0;
}
