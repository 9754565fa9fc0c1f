// The font formats' decoders on their own: where each puts its glyphs and what it says about
// what it left out.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "files/bdf_file.h"
#include "files/font_formats.h"
#include "files/glyph_picture.h"
#include "files/glyph_text.h"
#include "files/psf_file.h"
#include "files/source_text.h"
#include "files/text_encoding.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes counting(size_t count) {
    Bytes bytes(count);
    for (size_t i = 0; i < count; ++i) bytes[i] = uint8_t(i * 7 + 1);
    return bytes;
}

// Each glyph's own characters, without sequences, lone surrogates, damaged UTF-8 or the entries
// of glyphs the font does not hold.
TEST(FontFormats, ConsoleFontsKeepTheCharactersOfTheirUnicodeTables) {
    using Entries = std::vector<std::pair<int, char32_t>>;
    Bytes psf1{0x36, 0x04, 0x02, 8};
    psf1.resize(4 + 256 * 8);
    for (const int value : {0x41, 0xFFFE, 0x41, 0x301, 0xFFFF, 0xD800, 0x416, 0xFFFF, 0, 0xFFFF})
        psf1.insert(psf1.end(), {uint8_t(value), uint8_t(value >> 8)});
    EXPECT_EQ(decodePsf(psf1).unicode, (Entries{{0, U'A'}, {1, U'Ж'}}));

    Bytes psf2 = encodePsf(Bytes(2 * 8), std::vector<std::u32string>{U"x", U"y"});
    psf2.resize(32 + 16); // a table of its own after the header and the two glyphs
    for (const int byte :
         {0xD0, 0x96, 0xFE, 0x41, 0xFF, 0xC0, 0x80, 0xE2, 0x82, 0xAC, 0xFF, 0x42, 0xFF})
        psf2.push_back(uint8_t(byte));
    EXPECT_EQ(decodePsf(psf2).unicode, (Entries{{0, U'Ж'}, {1, U'€'}}));
}

// A kbd font's table, read into the set's characters and written again: the same bytes, each
// glyph's characters in the font's order, one character on two glyphs on both.
TEST(FontFormats, AConsoleFontsTableComesBackInItsOwnOrder) {
    const int height = 14;
    Bytes font{0x36, 0x04, 0x02, uint8_t(height)};
    const Bytes glyphs = counting(256 * height);
    font.insert(font.end(), glyphs.begin(), glyphs.end());
    const auto entry = [&](std::initializer_list<int> characters) {
        for (const int c : characters) font.insert(font.end(), {uint8_t(c), uint8_t(c >> 8)});
        font.insert(font.end(), {0xFF, 0xFF});
    };
    entry({0x41, 0x416, 0x256C});
    entry({0x2500, 0x41});
    entry({});
    for (int glyph = 3; glyph < 256; ++glyph) entry({0x100 + glyph});
    const FontReading reading = decodePsf(font);
    ASSERT_EQ(reading.problem, "");
    std::string note;
    const TextEncoding encoding = fontEncoding(reading, 0, note);
    std::vector<std::u32string> table;
    for (int code = 0; code < 256; ++code) table.push_back(charactersOfCode(encoding, code));
    EXPECT_EQ(table[0], U"AЖ╬");
    EXPECT_EQ(table[1], U"─A");
    EXPECT_EQ(encodePsf(reading.bytes, table, reading.height), font);
}

// PSF 1 holds 256 glyphs and 16-bit characters; anything else is written as PSF 2.
TEST(FontFormats, ConsoleFontsAreWrittenAsPsf1WhenItHoldsThem) {
    const struct {
        size_t glyphs;
        char32_t character;
        bool psf1;
    } cases[] = {{256, U'A', true}, {255, U'A', false}, {256, U'\U0001F600', false}};
    for (const auto& c : cases) {
        const Bytes glyphs = counting(c.glyphs * 16);
        const std::vector<std::u32string> table(c.glyphs, std::u32string(1, c.character));
        const Bytes font = encodePsf(glyphs, table, 16);
        EXPECT_EQ(font[0] == 0x36, c.psf1) << c.glyphs;
        const FontReading reading = decodePsf(font);
        EXPECT_EQ(reading.height, 16);
        EXPECT_EQ(reading.bytes, glyphs);
        EXPECT_EQ(reading.unicode.size(), c.glyphs);
    }
}

TEST(FontFormats, AConsoleFontOf512GlyphsGivesTheFirst256AndSaysSo) {
    const Bytes glyphs = counting(512 * 8);
    const FontReading reading =
        decodeFontFile(encodePsf(glyphs), "big.psf", narrowLook(0, 0xFFFFFF), 8);
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
    EXPECT_EQ(reading.coded[0].second,
              (std::array<uint8_t, maxGlyphHeight>{0, 0, 0, 0, 0, 0x18, 0x08, 0}));
}

FontReading readBdf(const std::string& text) {
    return decodeBdf({reinterpret_cast<const uint8_t*>(text.data()), text.size()});
}

std::string bdfGlyph(const std::string& head, const std::string& rows) {
    return "STARTCHAR g\n" + head + "\nBITMAP\n" + rows + "ENDCHAR\n";
}

const std::string bdfHead = "STARTFONT 2.1\nFONTBOUNDINGBOX 8 8 0 -1\n";
const std::string bdfA = bdfGlyph("ENCODING 65\nBBX 8 8 0 -1", "30\n78\nCC\nCC\nFC\nCC\nCC\n00\n");
const std::string bdfEmpty = "\nBBX 0 0 0 0";

TEST(FontFormats, BdfGlyphsOfOtherCodesAreLeftOutAndGlyphsCutShortRefuseTheFont) {
    const struct {
        std::string body, problem, note;
    } cases[] = {
        {bdfGlyph("ENCODING -1" + bdfEmpty, "") + bdfA + bdfGlyph("ENCODING 65533" + bdfEmpty, "") +
             bdfGlyph("ENCODING -1 300" + bdfEmpty, "") +
             bdfGlyph("ENCODING 99999999999999999999" + bdfEmpty, "") + "ENDFONT\n",
         "", "4 glyphs with codes outside 0 to 255 were left out"},
        {bdfA + bdfGlyph("ENCODING 9999" + bdfEmpty, "") + "ENDFONT\n", "",
         "1 glyph with a code outside 0 to 255 was left out"},
        {bdfGlyph("ENCODING 65", "30\n78\n") + "ENDFONT\n", "glyph 65 has 2 of its 8 rows", ""},
        {"STARTCHAR g\nENCODING 66\nENDCHAR\nENDFONT\n", "glyph 66 has no BITMAP", ""},
        {bdfA.substr(0, bdfA.size() - 8) + bdfA + "ENDFONT\n", "glyph 65 has no ENDCHAR", ""},
        {"STARTCHAR .notdef\nENCODING -1\nENDFONT\n", "glyph \".notdef\" has no ENDCHAR", ""},
        {bdfA.substr(0, bdfA.size() - 15), "the file ends before ENDFONT", ""},
        {bdfA, "the file ends before ENDFONT", ""},
    };
    for (const auto& c : cases) {
        const FontReading reading = readBdf(bdfHead + c.body);
        EXPECT_EQ(reading.problem, c.problem) << c.body;
        EXPECT_EQ(reading.note, c.note) << c.body;
        EXPECT_EQ(reading.coded.size(), c.problem.empty() ? 1u : 0u) << c.body;
    }
}

TEST(FontFormats, ABdfFontOfUnicodesCodesNamesItsCharacters) {
    for (const auto& [properties, named] :
         {std::pair{"CHARSET_REGISTRY \"ISO10646\"\nCHARSET_ENCODING \"1\"\n", true},
          {"CHARSET_REGISTRY \"ISO8859\"\nCHARSET_ENCODING \"1\"\n", true},
          {"CHARSET_REGISTRY \"ISO8859\"\nCHARSET_ENCODING \"5\"\n", false},
          {"CHARSET_REGISTRY \"FontSpecific\"\n", false},
          {"", false}}) {
        const FontReading reading = readBdf(bdfHead + properties + bdfA + "ENDFONT\n");
        EXPECT_EQ(reading.codesAreCharacters, named) << properties;
        std::string note;
        EXPECT_EQ(fontEncoding(reading, 0, note).own, named ? 1 : 0) << properties;
    }
}

TEST(FontFormats, CroppedBdfGlyphsArePlacedByTheirOffsetsInTheFontsBox) {
    using Glyph = std::array<uint8_t, maxGlyphHeight>;
    const struct {
        std::string fontBox, box, rows;
        Glyph glyph;
    } cases[] = {
        // Rows of 4 digits; the bits past the box's 3 columns are padding.
        {"8 8 0 -1", "3 2 2 4", "FFFF\nA000\n", {0, 0x38, 0x28, 0, 0, 0, 0, 0}},
        {"8 8 -2 -2", "1 3 3 -2", "80\n80\n80\n", {0, 0, 0, 0, 0, 0x04, 0x04, 0x04}},
        {"8 8 0 0", "8 1 0 7", "81\n", {0x81, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        const FontReading reading =
            readBdf("STARTFONT 2.1\nFONTBOUNDINGBOX " + c.fontBox + "\n" +
                    bdfGlyph("ENCODING 7\nBBX " + c.box, c.rows) + "ENDFONT\n");
        ASSERT_EQ(reading.coded.size(), 1u) << c.box << reading.problem;
        EXPECT_EQ(reading.coded[0].second, c.glyph) << c.box;
    }
}

TEST(FontFormats, SavedBdfFontsReadBackTheGlyphsOfCodesUpTo255) {
    const Bytes glyphs = counting(10 * 8);
    const FontReading reading = readBdf(encodeBdf(glyphs, 250, "x"));
    ASSERT_EQ(reading.coded.size(), 6u);
    EXPECT_EQ(reading.coded[5].first, 255);
    EXPECT_TRUE(std::equal(reading.coded[5].second.begin(), reading.coded[5].second.begin() + 8,
                           glyphs.begin() + 40));
    EXPECT_EQ(reading.note, "4 glyphs with codes outside 0 to 255 were left out");
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
        const FontReading reading =
            decodeGlyphPicture(c.picture, narrowLook(0x000000, 0xFFFFFF), 8);
        ASSERT_EQ(reading.problem, "") << c.picture.width;
        EXPECT_EQ(reading.atCurrentChar, c.atCurrentChar) << c.picture.width;
        EXPECT_EQ(reading.bytes, glyphs) << c.picture.width;
    }
}

TEST(FontFormats, AFileOfNoFormatIsRawUnlessItsNameClaimsOne) {
    const Bytes bytes = counting(100);
    EXPECT_TRUE(decodeFontFile(bytes, "ROM dump", narrowLook(0, 0), 8).raw);
    EXPECT_TRUE(decodeFontFile(bytes, "x.map", narrowLook(0, 0), 8).raw);
    EXPECT_FALSE(decodeFontFile(bytes, "x.png", narrowLook(0, 0), 8).problem.empty());
    // A raw font whose first bytes happen to be a console font's mark.
    Bytes psfLike = bytes;
    psfLike[0] = 0x36;
    psfLike[1] = 0x04;
    EXPECT_TRUE(decodeFontFile(psfLike, "x.fnt", narrowLook(0, 0), 8).raw);
    EXPECT_FALSE(decodeFontFile(psfLike, "x.psf", narrowLook(0, 0), 8).problem.empty());
}

TEST(FontFormats, OnlyAWholePsf1FontIsTakenForOneUnlessItsNameSaysPsf) {
    const auto psf1 = [](uint8_t mode, uint8_t height, size_t size) {
        Bytes bytes = counting(size);
        std::copy_n(Bytes{0x36, 0x04, mode, height}.begin(), 4, bytes.begin());
        return bytes;
    };
    const struct {
        Bytes file;
        std::string problem; // for any name; "raw" when only one named .psf is refused
    } cases[] = {
        {psf1(0x36, 8, 4096), "raw"}, // a raw chargen.bin
        {psf1(0, 8, 104), "raw"},
        {psf1(1, 8, 4 + 2048), "raw"},
        {psf1(2, 8, 4 + 2048 + 10), ""}, // its Unicode table after the glyphs
        {psf1(5, 8, 4 + 4096), ""},
        {psf1(0, 40, 4 + 40 * 256),
         "its glyphs are 8 x 40 pixels, and gridlet edits glyphs of 1 to "
         "32 rows"},
    };
    for (const auto& c : cases) {
        const bool isRaw = c.problem == "raw";
        const FontReading unnamed = decodeFontFile(c.file, "chargen", narrowLook(0, 0), 8);
        const FontReading named = decodeFontFile(c.file, "chargen.psf", narrowLook(0, 0), 8);
        EXPECT_EQ(isPsf(c.file), !isRaw) << c.file.size();
        EXPECT_EQ(unnamed.raw, isRaw) << c.file.size();
        EXPECT_EQ(unnamed.bytes, isRaw ? c.file : named.bytes) << c.file.size();
        EXPECT_EQ(named.problem.empty(), c.problem.empty()) << c.file.size();
        EXPECT_EQ(unnamed.problem, isRaw ? "" : c.problem) << c.file.size();
        const Bytes glyphs(c.file.begin() + 4, c.file.begin() + (c.problem.empty() ? 2052 : 4));
        EXPECT_EQ(named.bytes, glyphs) << c.file.size();
    }
}

const Bytes letterA{0x3C, 0x66, 0x6E, 0x6E, 0x60, 0x62, 0x3C, 0x00};
const Bytes ring{24, 36, 66, 66, 66, 36, 24, 0};

TEST(GlyphText, ProgramsGiveTheNumbersOfTheirDataAlone) {
    const std::pair<const char*, Bytes> texts[] = {
        {".data\nfont: .byte 60,102,110,110,96,98,60,0", letterA},
        {"; font data\n  db 24,36,66,66,66,36,24,0", ring},
        {"  dc.b 24,36,66,66,66,36,24,0", ring},
        {"static const unsigned char data[1][8] = {\n  {0x3C, 0x66, 0x6E, 0x6E, 0x60, 0x62, 0x3C, "
         "0x00}, /* 65 'A' */\n};",
         letterA},
        {"#define COUNT 96\nconst byte font[8] = {\n 60,102,110,110,96,98,60,0 };", letterA},
        {"        org $1e00\nCHARS   equ 96\nfont:   defb 0x3c,0x66,0x6e,0x6e ; top\n"
         "        include \"more.asm\"\n        DEFB 96,98,60,0",
         letterA},
        {".lib \"ASCII\"\n.org $D000\nletterA:\n  .byte %00111100 ; 1\n  .byte %01100110\n"
         "; the bar\n  .byte %01101110,%01101110\n.org $D004\n  .byte %01100000,98,$3C,0",
         letterA},
        {"font !by 24,36,66,66\n  !byte 66,36,24,0", ring},
        {"10 REM data 1 2 3\n20 DATA 60,102,110,110\n30 data 96,98,60,0:REM 5", letterA},
        {"DB 66 6E 6E 60 62 3C 00", {0xDB, 0x66, 0x6E, 0x6E, 0x60, 0x62, 0x3C, 0}},
        {"0x0000003C,0000000000102,$6E,&h6E,60h,0b1100010,%111100,0", letterA},
    };
    for (const auto& [text, expected] : texts) {
        SCOPED_TRACE(text);
        const GlyphTextReading reading = decodeGlyphText(text);
        EXPECT_EQ(reading.problem, "");
        EXPECT_EQ(reading.glyphs, expected);
        EXPECT_EQ(reading.leftOver, 0);
    }
}

TEST(GlyphText, ANumberThatIsNoByteIsNamedHoweverItIsWritten) {
    const std::pair<const char*, const char*> texts[] = {
        {"-1,0,0,0,0,0,0,0", "-1"},
        {"10 DATA 0,0,0,0,0,0,0,-127", "-127"},
        {"1,2,3,4,5,6,7,12345678901", "12345678901"},
        {".byte 1,2,3,4,5,6,7,$100", "$100"},
        {"org $1e00\n1,2,3,4,5,6,7,8", "$1e00"},
        {"0,0x0000000000000000000000001FF", "0x0000000000000000000000..."},
    };
    for (const auto& [text, number] : texts) {
        const GlyphTextReading reading = decodeGlyphText(text);
        EXPECT_EQ(reading.problem, "The text on the clipboard holds " + std::string(number) +
                                       ", which is not a byte (0 to 255).");
        EXPECT_TRUE(reading.glyphs.empty()) << text;
    }
}

// Every export, whatever the file's name, pastes back as the glyphs it holds; 96 glyphs from
// the space put every printable character in their comments.
TEST(GlyphText, EveryExportReadsBackWhateverTheFileIsNamed) {
    const Bytes glyphs = counting(96 * 8);
    for (const char* file :
         {"data.c", "db.s", "byte.asm", "1.bas", "rem", "defb", "x_0x41", "int", "a", "ünï 1"}) {
        const auto assembler = [&](Assembler dialect) {
            return encodeAssembler(glyphs, 32, sourceNameOf(file, languageOf(dialect)), dialect,
                                   latinEncoding());
        };
        const std::string exports[] = {
            encodeCSource(glyphs, 32, sourceNameOf(file, SourceLanguage::c), latinEncoding()),
            assembler(Assembler::ca65),
            assembler(Assembler::acme),
            assembler(Assembler::z80Defb),
            assembler(Assembler::z80Db),
            encodeBasicData(glyphs, 32, identifierOf(file)),
            encodeGlyphText(glyphs),
        };
        for (const std::string& text : exports) {
            const GlyphTextReading reading = decodeGlyphText(text);
            EXPECT_EQ(reading.problem, "") << text;
            EXPECT_EQ(reading.glyphs, glyphs) << file << "\n" << text.substr(0, 300);
        }
    }
}

} // namespace
