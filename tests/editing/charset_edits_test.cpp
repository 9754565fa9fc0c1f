#include "editing/charset_edits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

using GlyphBytes = std::array<uint8_t, 8>;

GlyphBytes glyphAt(const Charset& charset, int code) {
    GlyphBytes glyph;
    std::copy_n(charset.begin() + 8 * code, 8, glyph.begin());
    return glyph;
}

constexpr GlyphBytes blank{};

class CharsetEdits : public ::testing::Test {
  protected:
    CharsetEdits() {
        std::mt19937 random(4711);
        for (auto& byte : charset) byte = static_cast<uint8_t>(random() | 1); // no blank glyphs
        before = charset;
    }

    Charset charset{};
    Charset before{};
};

TEST_F(CharsetEdits, EraseBlanksEveryByte) {
    eraseCharset(charset);
    EXPECT_EQ(charset, Charset{});
}

TEST_F(CharsetEdits, InsertMovesLaterGlyphsUpAndBlanksTheCode) {
    insertGlyph(charset, 100);
    for (int code = 0; code < 100; ++code) EXPECT_EQ(glyphAt(charset, code), glyphAt(before, code));
    EXPECT_EQ(glyphAt(charset, 100), blank);
    for (int code = 101; code < 256; ++code) {
        EXPECT_EQ(glyphAt(charset, code), glyphAt(before, code - 1)) << "code " << code;
    }
}

TEST_F(CharsetEdits, DeleteMovesLaterGlyphsDownAndBlanksTheLast) {
    deleteGlyph(charset, 100);
    for (int code = 0; code < 100; ++code) EXPECT_EQ(glyphAt(charset, code), glyphAt(before, code));
    for (int code = 100; code < 255; ++code) {
        EXPECT_EQ(glyphAt(charset, code), glyphAt(before, code + 1)) << "code " << code;
    }
    EXPECT_EQ(glyphAt(charset, 255), blank);
}

TEST_F(CharsetEdits, InsertThenDeleteAtZeroRestoresAllButTheLastGlyph) {
    insertGlyph(charset, 0);
    EXPECT_EQ(glyphAt(charset, 0), blank);
    EXPECT_EQ(glyphAt(charset, 255), glyphAt(before, 254));

    deleteGlyph(charset, 0);
    EXPECT_TRUE(std::equal(charset.begin(), charset.end() - 8, before.begin()));
    EXPECT_EQ(glyphAt(charset, 255), blank);
}

TEST_F(CharsetEdits, InsertOrDeleteAtTheLastCodeOnlyClearsIt) {
    for (auto edit : {insertGlyph, deleteGlyph}) {
        charset = before;
        edit(charset, 255);
        EXPECT_TRUE(std::equal(charset.begin(), charset.end() - 8, before.begin()));
        EXPECT_EQ(glyphAt(charset, 255), blank);
    }
}

TEST_F(CharsetEdits, DropCopiesOrSwapsOnlyTheTwoGlyphs) {
    dropGlyph(charset, 65, 66, DragMode::copy);
    Charset expected = before;
    std::copy_n(before.begin() + 8 * 65, 8, expected.begin() + 8 * 66);
    EXPECT_EQ(charset, expected);

    charset = before;
    dropGlyph(charset, 65, 66, DragMode::swap);
    expected = before;
    std::copy_n(before.begin() + 8 * 65, 8, expected.begin() + 8 * 66);
    std::copy_n(before.begin() + 8 * 66, 8, expected.begin() + 8 * 65);
    EXPECT_EQ(charset, expected);
}

TEST_F(CharsetEdits, CopyRangeToAFreePlaceLeavesTheSourceAlone) {
    ASSERT_TRUE(copyRangeToCurrent(charset, 10, 20, 40));
    for (int code = 0; code < 256; ++code) {
        const int source = code >= 40 && code <= 50 ? code - 30 : code;
        EXPECT_EQ(glyphAt(charset, code), glyphAt(before, source)) << "code " << code;
    }
}

TEST_F(CharsetEdits, CopyRangeOverlappingItsOwnStartReadsEveryGlyphBeforeOverwritingIt) {
    ASSERT_TRUE(copyRangeToCurrent(charset, 10, 20, 5));
    for (int code = 0; code < 256; ++code) {
        const int source = code >= 5 && code <= 15 ? code + 5 : code;
        EXPECT_EQ(glyphAt(charset, code), glyphAt(before, source)) << "code " << code;
    }
}

TEST_F(CharsetEdits, CopyRangeStopsAfterTheLastCode) {
    ASSERT_TRUE(copyRangeToCurrent(charset, 100, 120, 250));
    for (int code = 0; code < 256; ++code) {
        const int source = code >= 250 ? code - 150 : code;
        EXPECT_EQ(glyphAt(charset, code), glyphAt(before, source)) << "code " << code;
    }
}

TEST_F(CharsetEdits, CopyRangeRefusesATargetInsideTheRange) {
    EXPECT_FALSE(copyRangeToCurrent(charset, 10, 20, 10));
    EXPECT_FALSE(copyRangeToCurrent(charset, 10, 20, 20));
    EXPECT_FALSE(copyRangeToCurrent(charset, 10, 20, 15));
    EXPECT_FALSE(copyRangeToCurrent(charset, 0, 255, 128));
    EXPECT_FALSE(copyRangeToCurrent(charset, 7, 7, 7));
    EXPECT_EQ(charset, before);
}

} // namespace

namespace {

// Every glyph keeps the rows both heights have, the others blank, and nothing lies past the set;
// insert and delete move whole glyphs of the new height.
TEST_F(CharsetEdits, EveryHeightKeepsTheRowsItHas) {
    for (const auto& [from, to] : {std::pair{8, 32}, {32, 1}, {1, 14}, {16, 14}, {8, 8}}) {
        Charset tall = before;
        setGlyphHeight(tall, from);
        std::ranges::fill(tall.bytes.begin() + ptrdiff_t(charsetBytes(from)), tall.bytes.end(), 0);
        const Charset start = tall;
        setGlyphHeight(tall, to);
        ASSERT_EQ(tall.height, to);
        // Only the first 8 rows of the start hold pixels.
        EXPECT_EQ(heightCutsPixels(start, to), to < std::min(from, 8)) << from << " to " << to;
        for (int code = 0; code < glyphCount; ++code)
            for (int row = 0; row < to; ++row)
                ASSERT_EQ(glyphOf(tall, code)[size_t(row)],
                          row < from ? glyphOf(start, code)[size_t(row)] : 0)
                    << from << " to " << to << ", glyph " << code << " row " << row;
        EXPECT_TRUE(std::all_of(tall.end(), tall.bytes.data() + tall.bytes.size(),
                                [](uint8_t byte) { return byte == 0; }));
    }
    Charset sixteen = before;
    setGlyphHeight(sixteen, 16);
    const Charset start = sixteen;
    insertGlyph(sixteen, 3);
    EXPECT_TRUE(std::ranges::equal(glyphOf(sixteen, 4), glyphOf(start, 3)));
    EXPECT_TRUE(std::ranges::all_of(glyphOf(sixteen, 3), [](uint8_t row) { return row == 0; }));
}

} // namespace
