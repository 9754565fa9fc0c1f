#include "files/builtin_charsets.h"

#include <algorithm>
#include <cstdint>
#include <span>

#include "embedded/atariXlRom.h"
#include "embedded/c64LowerRom.h"
#include "embedded/c64UpperRom.h"
#include "embedded/ibmPc866Rom.h"
#include "embedded/ibmPcCgaRom.h"
#include "embedded/jupiterAceRom.h"
#include "embedded/microshaRom.h"
#include "embedded/zx80Rom.h"
#include "embedded/zxSpectrumRom.h"

namespace {

constexpr CharsetColors whiteOnBlack{0x000000, 0xFFFFFF};

// The digits 0..F, three pixels wide in the left columns, for the "Hex numbers" set.
constexpr std::array<std::array<uint8_t, 8>, 16> hexDigitGlyphs{{
    {0x00, 0xE0, 0xA0, 0xA0, 0xA0, 0xA0, 0xE0, 0x00},
    {0x00, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x00},
    {0x00, 0xE0, 0x20, 0xE0, 0x80, 0xA0, 0xE0, 0x00},
    {0x00, 0xE0, 0x20, 0xE0, 0x20, 0x20, 0xE0, 0x00},
    {0x00, 0x20, 0xA0, 0xA0, 0xE0, 0x20, 0x20, 0x00},
    {0x00, 0xE0, 0x80, 0xE0, 0x20, 0x20, 0xE0, 0x00},
    {0x00, 0xE0, 0x80, 0xE0, 0xA0, 0xA0, 0xE0, 0x00},
    {0x00, 0xE0, 0x20, 0x20, 0x20, 0x20, 0x20, 0x00},
    {0x00, 0xE0, 0xA0, 0xE0, 0xA0, 0xA0, 0xE0, 0x00},
    {0x00, 0xE0, 0xA0, 0xE0, 0x20, 0x20, 0xE0, 0x00},
    {0x00, 0x40, 0xA0, 0xE0, 0xA0, 0xA0, 0xA0, 0x00},
    {0x00, 0xE0, 0xA0, 0xC0, 0xA0, 0xA0, 0xE0, 0x00},
    {0x00, 0xE0, 0xA0, 0x80, 0x80, 0xA0, 0xE0, 0x00},
    {0x00, 0xC0, 0xA0, 0xA0, 0xA0, 0xA0, 0xC0, 0x00},
    {0x00, 0xE0, 0x80, 0xC0, 0x80, 0x80, 0xE0, 0x00},
    {0x00, 0xE0, 0x80, 0xC0, 0x80, 0x80, 0x80, 0x00},
}};

struct StoredCharset {
    std::span<const uint8_t> table;
    bool invertedCopy; // the machine shows the codes after the table as its inverse video
    CharsetColors colors;
};

// Indexed by BuiltinCharset; the hex numbers, last there, are generated instead.
const std::array<StoredCharset, 9> storedCharsets{{
    {embedded::ibmPcCgaRom, false, whiteOnBlack},
    {embedded::ibmPc866Rom, false, whiteOnBlack},
    {embedded::zxSpectrumRom, false, {0xCBCBCB, 0x000000}},
    {embedded::zx80Rom, true, {0xFFFFFF, 0x000000}},
    {embedded::jupiterAceRom, true, whiteOnBlack},
    {embedded::c64UpperRom, false, {0x9B2C2E, 0xEB6D70}},
    {embedded::c64LowerRom, false, {0x9B2C2E, 0xEB6D70}},
    {embedded::atariXlRom, true, {0x9D4E01, 0xFDAE61}},
    {embedded::microshaRom, true, whiteOnBlack},
}};

static_assert(sizeof(embedded::ibmPcCgaRom) <= machineCharsetBytes);
static_assert(sizeof(embedded::ibmPc866Rom) <= machineCharsetBytes);
static_assert(sizeof(embedded::zxSpectrumRom) <= machineCharsetBytes);
static_assert(sizeof(embedded::c64UpperRom) <= machineCharsetBytes);
static_assert(sizeof(embedded::c64LowerRom) <= machineCharsetBytes);
static_assert(2 * sizeof(embedded::zx80Rom) <= machineCharsetBytes);
static_assert(2 * sizeof(embedded::jupiterAceRom) <= machineCharsetBytes);
static_assert(2 * sizeof(embedded::atariXlRom) <= machineCharsetBytes);
static_assert(2 * sizeof(embedded::microshaRom) <= machineCharsetBytes);

CharsetColors loadStored(Charset& charset, const StoredCharset& stored) {
    const auto copied = std::ranges::copy(stored.table, charset.bytes.begin()).out;
    if (stored.invertedCopy) {
        std::ranges::transform(stored.table, copied,
                               [](uint8_t row) { return static_cast<uint8_t>(row ^ 0xFF); });
    }
    return stored.colors;
}

// Every code shows its own two hex digits, the low digit four columns right of the high one.
CharsetColors generateHexNumbers(Charset& charset) {
    for (int code = 0; code < 256; ++code) {
        const auto& high = hexDigitGlyphs[code / 16];
        const auto& low = hexDigitGlyphs[code % 16];
        for (int row = 0; row < 8; ++row) {
            charset.bytes[size_t(8 * code + row)] =
                static_cast<uint8_t>(high[row] | (low[row] >> 4));
        }
    }
    return whiteOnBlack;
}

} // namespace

CharsetColors loadBuiltinCharset(Charset& charset, BuiltinCharset which) {
    // The machines' glyphs are 8 rows; a set of another height keeps none of its own.
    if (charset.height != machineGlyphHeight) charset = Charset{};
    if (which == BuiltinCharset::hexNumbers) return generateHexNumbers(charset);
    return loadStored(charset, storedCharsets[static_cast<size_t>(which)]);
}

int builtinCodesLoaded(BuiltinCharset which) {
    if (which == BuiltinCharset::hexNumbers) return glyphCount;
    const StoredCharset& stored = storedCharsets[static_cast<size_t>(which)];
    return int(stored.table.size() / machineGlyphHeight) * (stored.invertedCopy ? 2 : 1);
}
