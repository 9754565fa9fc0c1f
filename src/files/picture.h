// A picture as the file formats read and write it: colours 0x00BBGGRR, row by row from the top.
#pragma once

#include <vector>

#include "model/document.h"

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Color> pixels;

    Color at(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
    Color& at(int x, int y) { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
};
