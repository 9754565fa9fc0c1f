// BMP pictures: the uncompressed ones of 8 bits with a palette, 24 and 32 bits, the program's
// own among them.
#pragma once

#include <cstdint>
#include <span>

#include "files/png_file.h"

bool isBmp(std::span<const uint8_t> file);
PictureReading decodeBmp(std::span<const uint8_t> file);
