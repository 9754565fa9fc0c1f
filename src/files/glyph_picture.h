// Glyphs as a picture: side by side in a strip for others to paste, and read back from any
// picture cut into 8 x 8 cells.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "model/document.h"

// A picture of colours 0x00BBGGRR, row by row from the top.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Color> pixels;

    Color at(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
};

// The glyphs side by side, 8 x 8 pixels each, ink on paper.
Picture encodeGlyphStrip(std::span<const uint8_t> glyphs, Color paper, Color ink);

// The glyphs of the picture's 8 x 8 cells, left to right and top to bottom; a pixel is set
// when its colour is nearer the ink than the paper. Nothing for a picture smaller than a cell.
std::vector<uint8_t> decodeGlyphCells(const Picture& picture, Color paper, Color ink);
