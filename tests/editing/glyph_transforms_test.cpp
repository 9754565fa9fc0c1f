#include "editing/glyph_transforms.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <vector>

namespace {

using GlyphBytes = std::array<uint8_t, 8>;

bool pixel(const GlyphBytes& glyph, int x, int y) {
    return (glyph[y] >> (7 - x)) & 1;
}

// Slow reference: builds the glyph whose pixel (x, y) comes from source pixel from(x, y).
GlyphBytes remap(const GlyphBytes& source,
                 const std::function<std::pair<int, int>(int, int)>& from) {
    GlyphBytes result{};
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            const auto [sx, sy] = from(x, y);
            if (pixel(source, sx, sy)) result[y] = static_cast<uint8_t>(result[y] | (0x80 >> x));
        }
    }
    return result;
}

class GlyphTransforms : public ::testing::Test {
  protected:
    GlyphTransforms() { buildBitReverse(bitReverse); }

    GlyphBytes apply(GlyphBytes glyph, int mode, int times = 1) {
        for (int i = 0; i < times; ++i) transformGlyph(glyph, mode);
        return glyph;
    }

    static std::vector<GlyphBytes> randomGlyphs() {
        std::mt19937 random(20240611);
        std::uniform_int_distribution<int> byte(0, 255);
        std::vector<GlyphBytes> glyphs(500);
        for (auto& glyph : glyphs) {
            for (auto& row : glyph) row = static_cast<uint8_t>(byte(random));
        }
        return glyphs;
    }

    BitReverseTable bitReverse{};
};

TEST_F(GlyphTransforms, BitReverseMirrorsEveryByte) {
    EXPECT_EQ(bitReverse[0x01], 0x80);
    EXPECT_EQ(bitReverse[0x0F], 0xF0);
    EXPECT_EQ(bitReverse[0xA0], 0x05);
    EXPECT_EQ(bitReverse[0x03], 0xC0);
    EXPECT_EQ(bitReverse[0xFF], 0xFF);
    EXPECT_EQ(bitReverse[0xA5], 0xA5);
    for (int b = 0; b < 256; ++b) {
        for (int bit = 0; bit < 8; ++bit) {
            EXPECT_EQ((b >> bit) & 1, (bitReverse[b] >> (7 - bit)) & 1) << "byte " << b;
        }
    }
}

TEST_F(GlyphTransforms, ShiftsWrapTheEdgeColumnAround) {
    EXPECT_EQ(apply({0x81}, shiftLeftMode)[0], 0x03);
    EXPECT_EQ(apply({0x81}, shiftRightMode)[0], 0xC0);
    EXPECT_EQ(apply({0x80}, shiftLeftMode)[0], 0x01);
    EXPECT_EQ(apply({0x01}, shiftRightMode)[0], 0x80);
}

TEST_F(GlyphTransforms, VerticalShiftsWrapTheEdgeRowAround) {
    const GlyphBytes rows{1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_EQ(apply(rows, shiftUpMode), (GlyphBytes{2, 3, 4, 5, 6, 7, 8, 1}));
    EXPECT_EQ(apply(rows, shiftDownMode), (GlyphBytes{8, 1, 2, 3, 4, 5, 6, 7}));
}

TEST_F(GlyphTransforms, TopLeftPixelGoesToTheExpectedCorner) {
    const GlyphBytes topLeft{0x80};
    EXPECT_EQ(apply(topLeft, rotateClockwiseMode), (GlyphBytes{0x01}));
    EXPECT_EQ(apply(topLeft, rotateAnticlockwiseMode), (GlyphBytes{0, 0, 0, 0, 0, 0, 0, 0x80}));
    EXPECT_EQ(apply(topLeft, mirrorLeftRightMode), (GlyphBytes{0x01}));
    EXPECT_EQ(apply(topLeft, mirrorUpDownMode), (GlyphBytes{0, 0, 0, 0, 0, 0, 0, 0x80}));
}

TEST_F(GlyphTransforms, InvertAndClearActOnEveryRow) {
    for (const auto& glyph : randomGlyphs()) {
        const GlyphBytes inverted = apply(glyph, invertMode);
        for (int y = 0; y < 8; ++y) EXPECT_EQ(inverted[y] | glyph[y], 0xFF);
        for (int y = 0; y < 8; ++y) EXPECT_EQ(inverted[y] & glyph[y], 0);
        EXPECT_EQ(apply(glyph, clearMode), GlyphBytes{});
    }
}

struct PixelMove {
    int mode;
    const char* name;
    std::function<std::pair<int, int>(int, int)>
        from; // where pixel (x, y) of the result comes from
};

TEST_F(GlyphTransforms, EveryPictureTransformMatchesItsPixelMapping) {
    // Rotating clockwise takes (x, y) to (7 - y, x), so the result's (x, y) comes from (y, 7 - x).
    const std::vector<PixelMove> moves{
        {mirrorLeftRightMode, "mirror left-right",
         [](int x, int y) {
             return std::pair{7 - x, y};
         }},
        {mirrorUpDownMode, "mirror up-down",
         [](int x, int y) {
             return std::pair{x, 7 - y};
         }},
        {shiftLeftMode, "shift left",
         [](int x, int y) {
             return std::pair{(x + 1) % 8, y};
         }},
        {shiftRightMode, "shift right",
         [](int x, int y) {
             return std::pair{(x + 7) % 8, y};
         }},
        {shiftUpMode, "shift up",
         [](int x, int y) {
             return std::pair{x, (y + 1) % 8};
         }},
        {shiftDownMode, "shift down",
         [](int x, int y) {
             return std::pair{x, (y + 7) % 8};
         }},
        {rotateClockwiseMode, "rotate clockwise",
         [](int x, int y) {
             return std::pair{y, 7 - x};
         }},
        {rotateAnticlockwiseMode, "rotate anticlockwise",
         [](int x, int y) {
             return std::pair{7 - y, x};
         }},
    };
    for (const auto& move : moves) {
        for (const auto& glyph : randomGlyphs()) {
            ASSERT_EQ(apply(glyph, move.mode), remap(glyph, move.from)) << move.name;
        }
    }
}

TEST_F(GlyphTransforms, RepeatedTransformsGiveTheGlyphBack) {
    for (const auto& glyph : randomGlyphs()) {
        EXPECT_EQ(apply(glyph, invertMode, 2), glyph);
        EXPECT_EQ(apply(glyph, mirrorLeftRightMode, 2), glyph);
        EXPECT_EQ(apply(glyph, mirrorUpDownMode, 2), glyph);
        EXPECT_EQ(apply(glyph, shiftLeftMode, 8), glyph);
        EXPECT_EQ(apply(glyph, shiftRightMode, 8), glyph);
        EXPECT_EQ(apply(glyph, shiftUpMode, 8), glyph);
        EXPECT_EQ(apply(glyph, shiftDownMode, 8), glyph);
        EXPECT_EQ(apply(glyph, rotateClockwiseMode, 4), glyph);
        EXPECT_EQ(apply(apply(glyph, rotateClockwiseMode), rotateAnticlockwiseMode), glyph);
        EXPECT_EQ(apply(apply(glyph, rotateAnticlockwiseMode), rotateClockwiseMode), glyph);
    }
}

TEST_F(GlyphTransforms, RangeTransformsOnlyTheCodesFromFirstToLast) {
    Charset charset{};
    std::mt19937 random(99);
    for (auto& byte : charset) byte = static_cast<uint8_t>(random());
    const Charset before = charset;

    transformGlyphRange(charset, 10, 20, rotateClockwiseMode);

    for (int code = 0; code < 256; ++code) {
        GlyphBytes original;
        std::copy_n(before.begin() + 8 * code, 8, original.begin());
        const GlyphBytes expected =
            code >= 10 && code <= 20 ? apply(original, rotateClockwiseMode) : original;
        EXPECT_TRUE(std::equal(expected.begin(), expected.end(), charset.begin() + 8 * code))
            << "code " << code;
    }
}

TEST_F(GlyphTransforms, RangeOfOneCodeTransformsExactlyOneGlyph) {
    Charset charset{};
    transformGlyphRange(charset, 255, 255, invertMode);
    EXPECT_EQ(std::count(charset.begin(), charset.end(), 0xFF), 8);
    EXPECT_TRUE(std::all_of(charset.end() - 8, charset.end(), [](uint8_t b) { return b == 0xFF; }));
}

} // namespace
