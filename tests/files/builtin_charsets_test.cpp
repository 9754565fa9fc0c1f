#include "files/builtin_charsets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <random>
#include <set>
#include <span>

#include "sha256.h"

namespace {

using GlyphBytes = std::array<uint8_t, 8>;

GlyphBytes glyphAt(const Charset& charset, int code) {
    GlyphBytes glyph;
    std::copy_n(charset.begin() + 8 * code, 8, glyph.begin());
    return glyph;
}

GlyphBytes filled(uint8_t row) {
    GlyphBytes glyph;
    glyph.fill(row);
    return glyph;
}

GlyphBytes inverted(GlyphBytes glyph) {
    for (auto& row : glyph) row = static_cast<uint8_t>(row ^ 0xFF);
    return glyph;
}

const GlyphBytes blank{};
const GlyphBytes fullBlock = filled(0xFF);

// A charset of random bytes, so that untouched glyphs are told apart from written ones.
Charset noise() {
    Charset charset{};
    std::mt19937 random(1981);
    for (auto& byte : charset) byte = static_cast<uint8_t>(random());
    return charset;
}

Charset loaded(BuiltinCharset which, Charset charset = noise()) {
    loadBuiltinCharset(charset, which);
    return charset;
}

struct StoredTable {
    BuiltinCharset which;
    const char* file;
    size_t bytes;
    bool inverseFollows;
    const char* sha256;
};

const StoredTable storedTables[]{
    {BuiltinCharset::ibmPcCga, "ibm-pc-cga.bin", 2048, false,
     "e1935cd2bfdf0188775e0bcfd9fdc263dcfb17c81fd465ce1c671269f3d6a2a3"},
    {BuiltinCharset::ibmPc866, "ibm-pc-866.bin", 2048, false,
     "bd5aa2ee915e06b7ed69a1725469af0ffa3150f4c48e05ef87c57ba693e27e3c"},
    {BuiltinCharset::c64Caps, "c64-upper.bin", 2048, false,
     "3cf89732b10b1d51a267f74df35f10a154108b444a3a0ec9e51ef7ddefb668a1"},
    {BuiltinCharset::c64Lower, "c64-lower.bin", 2048, false,
     "badb3b49e5377494e39665f7873b1aae08c6f1b9b3ae1252e62399a10eb6ef8f"},
    {BuiltinCharset::atariXl, "atari-xl.bin", 1024, true,
     "006e821c086a41874f04ec86e7b2298529ef16a74276ca660c4e766d3a371342"},
    {BuiltinCharset::zxSpectrum, "zx-spectrum.bin", 1152, false,
     "4b5a7b0fc974b7dad589c9ab2804608fbcb3b261f51fe5b186d013f4b5b279fa"},
    {BuiltinCharset::zx80, "zx80.bin", 512, true,
     "f60fd40766ac127453759215a08c27100a49ec31515d1e05539915b5a3f9f390"},
    {BuiltinCharset::microsha, "microsha.bin", 1024, true,
     "8de86c1800a0311a37c7036f1199983244f6925126d1aadb6b9d2e6e4f5774a3"},
    {BuiltinCharset::jupiterAce, "jupiter-ace.bin", 1024, true,
     "64760284c0416d76005daf429d474ed6eec546a981641f8e06df86c91501a35f"},
};

TEST(BuiltinCharsets, WriteTheirTableTheInverseWhereDueAndNothingElse) {
    const Charset before = noise();
    for (const StoredTable& table : storedTables) {
        SCOPED_TRACE(table.file);
        const Charset charset = loaded(table.which, before);
        const std::span<const uint8_t> copied(charset.data(), table.bytes);
        EXPECT_EQ(testing_sha256::sha256Hex(copied), table.sha256);

        size_t written = table.bytes;
        if (table.inverseFollows) {
            for (size_t i = 0; i < table.bytes; ++i) {
                ASSERT_EQ(charset[table.bytes + i], charset[i] ^ 0xFF) << "byte " << i;
            }
            written *= 2;
        }
        EXPECT_TRUE(std::equal(charset.begin() + written, charset.end(), before.begin() + written));
    }
}

TEST(BuiltinCharsets, ReturnTheColoursOfTheirMachine) {
    struct Expected {
        BuiltinCharset which;
        Color paper;
        Color ink;
    };
    const Expected machines[]{
        {BuiltinCharset::ibmPcCga, 0x000000, 0xFFFFFF},
        {BuiltinCharset::ibmPc866, 0x000000, 0xFFFFFF},
        {BuiltinCharset::zxSpectrum, 0xCBCBCB, 0x000000},
        {BuiltinCharset::zx80, 0xFFFFFF, 0x000000},
        {BuiltinCharset::jupiterAce, 0x000000, 0xFFFFFF},
        {BuiltinCharset::c64Caps, 0x9B2C2E, 0xEB6D70},
        {BuiltinCharset::c64Lower, 0x9B2C2E, 0xEB6D70},
        {BuiltinCharset::atariXl, 0x9D4E01, 0xFDAE61},
        {BuiltinCharset::microsha, 0x000000, 0xFFFFFF},
        {BuiltinCharset::hexNumbers, 0x000000, 0xFFFFFF},
    };
    for (const Expected& machine : machines) {
        Charset charset{};
        const CharsetColors colors = loadBuiltinCharset(charset, machine.which);
        EXPECT_EQ(colors.paper, machine.paper) << static_cast<int>(machine.which);
        EXPECT_EQ(colors.ink, machine.ink) << static_cast<int>(machine.which);
    }
}

TEST(BuiltinCharsets, IbmPcCgaHasTheCodePage437Glyphs) {
    const Charset charset = loaded(BuiltinCharset::ibmPcCga);
    for (int code : {0, 32, 255}) EXPECT_EQ(glyphAt(charset, code), blank) << code;
    EXPECT_EQ(glyphAt(charset, 219), fullBlock);
    EXPECT_EQ(glyphAt(charset, 65), (GlyphBytes{0x30, 0x78, 0xCC, 0xCC, 0xFC, 0xCC, 0xCC, 0x00}));
    EXPECT_EQ(glyphAt(charset, 1), (GlyphBytes{0x7E, 0x81, 0xA5, 0x81, 0xBD, 0x99, 0x81, 0x7E}));
}

TEST(BuiltinCharsets, IbmPc866HasBlanksAndTheFullBlock) {
    const Charset charset = loaded(BuiltinCharset::ibmPc866);
    EXPECT_EQ(glyphAt(charset, 0), blank);
    EXPECT_EQ(glyphAt(charset, 32), blank);
    EXPECT_EQ(glyphAt(charset, 219), fullBlock);
}

TEST(BuiltinCharsets, C64StoresItsOwnReverseHalf) {
    const Charset charset = loaded(BuiltinCharset::c64Caps);
    EXPECT_EQ(glyphAt(charset, 32), blank);
    EXPECT_EQ(glyphAt(charset, 96), blank);
    EXPECT_EQ(glyphAt(charset, 160), fullBlock);
    EXPECT_EQ(glyphAt(charset, 224), fullBlock);
    for (int code = 129; code < 256; ++code) {
        EXPECT_EQ(glyphAt(charset, code), inverted(glyphAt(charset, code - 128))) << code;
    }
    // The real ROM's reverse '@' differs from the inverse by one pixel of row 5.
    const GlyphBytes reverseAt = glyphAt(charset, 128);
    const GlyphBytes inverseAt = inverted(glyphAt(charset, 0));
    for (int row = 0; row < 8; ++row) {
        const int differing = std::popcount(static_cast<unsigned>(reverseAt[row] ^ inverseAt[row]));
        EXPECT_EQ(differing, row == 5 ? 1 : 0) << "row " << row;
    }
}

TEST(BuiltinCharsets, C64LowerCaseHasSmallLettersCapitalsAndItsReverseHalf) {
    const Charset charset = loaded(BuiltinCharset::c64Lower);
    const Charset caps = loaded(BuiltinCharset::c64Caps);
    EXPECT_EQ(glyphAt(charset, 0), glyphAt(caps, 0)); // '@' in both
    EXPECT_EQ(glyphAt(charset, 1), (GlyphBytes{0x00, 0x00, 0x3C, 0x06, 0x3E, 0x66, 0x3E, 0x00}));
    EXPECT_EQ(glyphAt(charset, 65), (GlyphBytes{0x18, 0x3C, 0x66, 0x7E, 0x66, 0x66, 0x66, 0x00}));
    EXPECT_EQ(glyphAt(charset, 65), glyphAt(caps, 1));
    EXPECT_EQ(glyphAt(charset, 97), filled(0xF0));
    EXPECT_EQ(glyphAt(charset, 32), blank);
    for (int code = 129; code < 256; ++code) {
        EXPECT_EQ(glyphAt(charset, code), inverted(glyphAt(charset, code - 128))) << code;
    }
}

TEST(BuiltinCharsets, AtariXlFollowsWithItsInverseVideo) {
    const Charset charset = loaded(BuiltinCharset::atariXl);
    EXPECT_EQ(glyphAt(charset, 0), blank);
    EXPECT_EQ(glyphAt(charset, 161), inverted(glyphAt(charset, 33)));
    EXPECT_EQ(glyphAt(charset, 128), fullBlock);
}

TEST(BuiltinCharsets, ZxSpectrumBuildsItsBlockGraphicsFromQuarters) {
    const Charset charset = loaded(BuiltinCharset::zxSpectrum);
    for (int code = 0; code <= 32; ++code) EXPECT_EQ(glyphAt(charset, code), blank) << code;
    for (int n = 0; n < 16; ++n) {
        const auto half = [n](int leftBit, int rightBit) {
            return static_cast<uint8_t>((n & leftBit ? 0xF0 : 0) | (n & rightBit ? 0x0F : 0));
        };
        const GlyphBytes glyph = glyphAt(charset, 128 + n);
        for (int row = 0; row < 8; ++row) {
            EXPECT_EQ(glyph[row], row < 4 ? half(2, 1) : half(8, 4)) << "glyph " << 128 + n;
        }
    }
}

TEST(BuiltinCharsets, ZxSpectrumAfterIbmPcCgaKeepsTheUpperCgaGlyphs) {
    const Charset cga = loaded(BuiltinCharset::ibmPcCga);
    const Charset charset = loaded(BuiltinCharset::zxSpectrum, cga);
    for (int code = 0; code < 32; ++code) EXPECT_EQ(glyphAt(charset, code), blank) << code;
    for (int code = 144; code < 256; ++code) {
        EXPECT_EQ(glyphAt(charset, code), glyphAt(cga, code)) << code;
    }
}

TEST(BuiltinCharsets, Zx80InverseFillsOnlyTheSecondQuarter) {
    const Charset before = noise();
    const Charset charset = loaded(BuiltinCharset::zx80, before);
    EXPECT_EQ(glyphAt(charset, 0), blank);
    EXPECT_EQ(glyphAt(charset, 64), fullBlock);
    for (int code = 128; code < 256; ++code) {
        EXPECT_EQ(glyphAt(charset, code), glyphAt(before, code)) << code;
    }
}

TEST(BuiltinCharsets, MicroshaUsesTheRightSixColumns) {
    const Charset charset = loaded(BuiltinCharset::microsha);
    EXPECT_TRUE(std::none_of(charset.begin(), charset.begin() + 1024,
                             [](uint8_t row) { return row & 0x80; }));
    EXPECT_EQ(glyphAt(charset, 32), blank);
    EXPECT_EQ(glyphAt(charset, 97), glyphAt(charset, 65)); // Cyrillic and Latin capital A
}

TEST(BuiltinCharsets, JupiterAceRepeatsItsEightGraphicsGlyphs) {
    const Charset charset = loaded(BuiltinCharset::jupiterAce);
    for (int code : {0, 8, 16, 24, 32}) EXPECT_EQ(glyphAt(charset, code), blank) << code;
    for (int code = 8; code < 32; ++code) {
        EXPECT_EQ(glyphAt(charset, code), glyphAt(charset, code % 8)) << code;
    }
}

TEST(BuiltinCharsets, HexNumbersLabelEveryCodeWithItsTwoDigits) {
    const Charset charset = loaded(BuiltinCharset::hexNumbers);
    EXPECT_EQ(glyphAt(charset, 0xA5), (GlyphBytes{0x00, 0x4E, 0xA8, 0xEE, 0xA2, 0xA2, 0xAE, 0x00}));
    std::set<GlyphBytes> labels;
    for (int code = 0; code < 256; ++code) {
        const GlyphBytes glyph = glyphAt(charset, code);
        labels.insert(glyph);
        EXPECT_EQ(glyph[0] | glyph[7], 0) << code;
        for (uint8_t row : glyph) EXPECT_EQ(row & 0x11, 0) << "columns 3 and 7 stay empty";
    }
    EXPECT_EQ(labels.size(), 256u);
}

} // namespace
