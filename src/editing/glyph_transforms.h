// The ten in-place transforms of one glyph, and the same transform over a run of codes.
#pragma once

#include <array>
#include <cstdint>

#include "model/charset.h"

enum TransformMode : int {
    invertMode = 0,
    clearMode = 1,
    mirrorLeftRightMode = 2,
    shiftLeftMode = 3,
    shiftRightMode = 4,
    shiftUpMode = 5,
    shiftDownMode = 6,
    mirrorUpDownMode = 7,
    rotateClockwiseMode = 8,
    rotateAnticlockwiseMode = 9,
};

using BitReverseTable = std::array<int32_t, 256>;
using RotateBuffer = std::array<uint8_t, 9>;

// Entry b becomes b with its eight bits in reverse order.
void buildBitReverse(BitReverseTable& bitReverse);

// The rotations gather their result in a RotateBuffer on the stack before copying it back.
// With wide pixels (bit pairs) mirroring and shifting left or right move pairs, and the
// rotations, which cannot turn a wide pixel, change nothing; nor do they change a glyph that is
// not 8 rows tall.
void transformGlyph(Glyph glyph, int mode, bool wide = false);
bool rotates(int mode);
// Whether the transform changes glyphs of the look and height: the rotations only square ones.
bool transforms(int mode, bool wide, int height);

// Transforms every code from first to last (first <= last) in ascending order.
void transformGlyphRange(Charset& charset, int first, int last, int mode, bool wide = false);
