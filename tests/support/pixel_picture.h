// Pixels read back as small pictures, one character a pixel, so that a test states what it
// expects the way it would look.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "toolkit/drawing.h"

using Picture = std::vector<std::string>;

struct PictureKey {
    toolkit::Color color;
    char symbol;
};

// The block (x, y, width, height) of the buffer, row by row; a colour missing from the key
// reads as '?'.
Picture pictureOf(const toolkit::PixelBuffer& buffer, int x, int y, int width, int height,
                  std::initializer_list<PictureKey> key);

// How many pixels of the block have the colour.
int countPixels(const toolkit::PixelBuffer& buffer, int x, int y, int width, int height,
                toolkit::Color color);
