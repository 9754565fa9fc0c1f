// The font formats' decoders on their own: where each puts its glyphs and what it says about
// what it left out.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/bdf_file.h"
#include "files/font_formats.h"
#include "files/glyph_picture.h"
#include "files/psf_file.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes counting(size_t count) {
    Bytes bytes(count);
    for (size_t i = 0; i < count; ++i) bytes[i] = uint8_t(i * 7 + 1);
    return bytes;
}

TEST(FontFormats, AConsoleFontOf512GlyphsGivesTheFirst256AndSaysSo) {
    const Bytes glyphs = counting(512 * 8);
    const FontReading reading = decodeFontFile(encodePsf2(glyphs), "big.psf", 0, 0xFFFFFF);
    ASSERT_EQ(reading.problem, "");
    EXPECT_FALSE(reading.atCurrentChar);
    EXPECT_EQ(reading.bytes, Bytes(glyphs.begin(), glyphs.begin() + 2048));
    EXPECT_EQ(reading.note, "it holds 512 glyphs: the first 256 were read");
}

TEST(FontFormats, ABdfGlyphBoxSmallerThanItsCellIsPlacedByItsOffsets) {
    const std::string bdf = "STARTFONT 2.1\nFONTBOUNDINGBOX 8 8 0 -1\nSTARTCHAR dot\nENCODING 46\n"
                            "BBX 2 2 3 0\nBITMAP\nC0\n40\nENDCHAR\nENDFONT\n";
    const FontReading reading =
        decodeBdf({reinterpret_cast<const uint8_t*>(bdf.data()), bdf.size()});
    ASSERT_EQ(reading.coded.size(), 1u);
    EXPECT_EQ(reading.coded[0].first, 46);
    // Two rows above the baseline, which is one row above the cell's bottom; three columns in.
    EXPECT_EQ(reading.coded[0].second, (std::array<uint8_t, 8>{0, 0, 0, 0, 0, 0x18, 0x08, 0}));
}

TEST(FontFormats, PicturesAreSheetsFromCodeZeroOrStripsFromTheCurrentChar) {
    const Bytes glyphs = counting(32 * 8);
    const struct {
        Picture picture;
        bool atCurrentChar;
    } cases[] = {
        {encodeGlyphSheet(glyphs, 0x000000, 0xFFFFFF, 3), false}, // 384 x 48: two rows at s = 3
        {encodeGlyphSheet(glyphs, 0x000000, 0xFFFFFF, 1), false},
        {encodeGlyphStrip(glyphs, 0x000000, 0xFFFFFF), true}, // 256 x 8
    };
    for (const auto& c : cases) {
        const FontReading reading = decodeGlyphPicture(c.picture, 0x000000, 0xFFFFFF);
        ASSERT_EQ(reading.problem, "") << c.picture.width;
        EXPECT_EQ(reading.atCurrentChar, c.atCurrentChar) << c.picture.width;
        EXPECT_EQ(reading.bytes, glyphs) << c.picture.width;
    }
}

TEST(FontFormats, AFileOfNoFormatIsRawUnlessItsNameClaimsOne) {
    const Bytes bytes = counting(100);
    EXPECT_TRUE(decodeFontFile(bytes, "ROM dump", 0, 0).raw);
    EXPECT_TRUE(decodeFontFile(bytes, "x.map", 0, 0).raw);
    EXPECT_FALSE(decodeFontFile(bytes, "x.png", 0, 0).problem.empty());
    // A raw font whose first bytes happen to be a console font's mark.
    Bytes psfLike = bytes;
    psfLike[0] = 0x36;
    psfLike[1] = 0x04;
    EXPECT_TRUE(decodeFontFile(psfLike, "x.fnt", 0, 0).raw);
    EXPECT_FALSE(decodeFontFile(psfLike, "x.psf", 0, 0).problem.empty());
}

} // namespace
