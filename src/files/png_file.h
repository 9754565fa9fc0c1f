// PNG pictures, read and written by libpng: the one reader of untrusted pictures.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "files/picture.h"

constexpr int largestPictureSide = 4096;

struct PictureReading {
    Picture picture;
    std::string problem; // why the file could not be read; "" when it was
};

bool isPng(std::span<const uint8_t> file);
// Any PNG colour type and depth, turned into 8-bit RGB; pictures larger than
// largestPictureSide on a side are refused before their pixels are read.
PictureReading decodePng(std::span<const uint8_t> file);
std::vector<uint8_t> encodePng(const Picture& picture);
