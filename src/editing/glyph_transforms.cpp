#include "editing/glyph_transforms.h"

#include <algorithm>
#include <utility>

namespace {

uint8_t low8(int value) {
    return static_cast<uint8_t>(value & 0xFF);
}

uint8_t transformRow(uint8_t row, int mode, const BitReverseTable& bitReverse) {
    switch (mode) {
    case invertMode:
        return low8(row ^ 0xFF);
    case clearMode:
        return 0;
    case mirrorLeftRightMode:
        return low8(bitReverse[row]);
    case shiftLeftMode:
        return low8((row << 1) | (row >> 7));
    case shiftRightMode:
        return low8((row >> 1) | ((row & 1) << 7));
    default:
        return row;
    }
}

// Wide pixels are bit pairs: they mirror and shift as pairs.
uint8_t transformWideRow(uint8_t row, int mode) {
    switch (mode) {
    case mirrorLeftRightMode:
        return low8(((row & 0x03) << 6) | ((row & 0x0C) << 2) | ((row & 0x30) >> 2) | (row >> 6));
    case shiftLeftMode:
        return low8((row << 2) | (row >> 6));
    case shiftRightMode:
        return low8((row >> 2) | ((row & 3) << 6));
    default:
        return row;
    }
}

void shiftUp(Glyph glyph) {
    std::rotate(glyph.begin(), glyph.begin() + 1, glyph.end());
}

void shiftDown(Glyph glyph) {
    std::rotate(glyph.rbegin(), glyph.rbegin() + 1, glyph.rend());
}

void mirrorUpDown(Glyph glyph) {
    std::reverse(glyph.begin(), glyph.end());
}

// Pass k gathers the column 7 - k, read bottom bit first, into buffer row 7 - k.
void rotateClockwise(Glyph glyph, RotateBuffer& buffer) {
    for (int k = 0; k < 8; ++k) {
        uint8_t& target = buffer[7 - k];
        target = 0;
        for (int l = 0; l < 8; ++l) {
            if (glyph[l] & 1) target = low8(target | (1 << l));
            glyph[l] = low8(glyph[l] >> 1);
        }
    }
    std::copy_n(buffer.begin(), 8, glyph.begin());
}

// Eight shifts per buffer row push out whatever an earlier rotation left there.
void rotateAnticlockwise(Glyph glyph, RotateBuffer& buffer) {
    for (int k = 0; k < 8; ++k) {
        for (int l = 0; l < 8; ++l) {
            buffer[k] = low8((buffer[k] << 1) | (glyph[l] & 1));
            glyph[l] = low8(glyph[l] >> 1);
        }
    }
    std::copy_n(buffer.begin(), 8, glyph.begin());
}

} // namespace

void buildBitReverse(BitReverseTable& bitReverse) {
    for (int b = 0; b < 256; ++b) {
        int value = b;
        int reversed = 0;
        for (int bit = 0; bit < 8; ++bit) {
            reversed = (reversed << 1) | (value & 1);
            value >>= 1;
        }
        bitReverse[b] = reversed;
    }
}

bool rotates(int mode) {
    return mode == rotateClockwiseMode || mode == rotateAnticlockwiseMode;
}

bool transforms(int mode, bool wide, int height) {
    return !rotates(mode) || (!wide && height == machineGlyphHeight);
}

void transformGlyph(Glyph glyph, int mode, bool wide) {
    // Wide pixels do not rotate, and only a square glyph turns into itself.
    if (!transforms(mode, wide, int(glyph.size()))) return;
    if (wide && (mode == mirrorLeftRightMode || mode == shiftLeftMode || mode == shiftRightMode)) {
        for (uint8_t& row : glyph) row = transformWideRow(row, mode);
        return;
    }
    static const BitReverseTable bitReverse = [] {
        BitReverseTable table{};
        buildBitReverse(table);
        return table;
    }();
    RotateBuffer rotateBuffer{};
    switch (mode) {
    case shiftUpMode:
        shiftUp(glyph);
        break;
    case shiftDownMode:
        shiftDown(glyph);
        break;
    case mirrorUpDownMode:
        mirrorUpDown(glyph);
        break;
    case rotateClockwiseMode:
        rotateClockwise(glyph, rotateBuffer);
        break;
    case rotateAnticlockwiseMode:
        rotateAnticlockwise(glyph, rotateBuffer);
        break;
    default:
        for (uint8_t& row : glyph) row = transformRow(row, mode, bitReverse);
        break;
    }
}

void transformGlyphRange(Charset& charset, int first, int last, int mode, bool wide) {
    for (int code = first; code <= last; ++code) transformGlyph(glyphOf(charset, code), mode, wide);
}
