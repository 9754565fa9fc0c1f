// BMP pictures: the uncompressed ones of 8 bits with a palette, 24 and 32 bits, the program's
// own among them.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "files/png_file.h"

// The first two bytes of a BMP file; a raw font may start with them as well.
bool hasBmpMark(std::span<const uint8_t> file);
// A BMP file by its header: the mark, an info header of a size BMP knows, and pixels that start
// after the headers and within the file.
bool isBmp(std::span<const uint8_t> file);
PictureReading decodeBmp(std::span<const uint8_t> file);

// An uncompressed 24-bit picture, rows from the bottom up. A note goes between the headers and
// the pixels, after a mark of gridlet's own, where readers that follow the pixels' offset pass
// over it.
std::vector<uint8_t> encodeBmp(const Picture& picture, std::string_view note = {});
// The note gridlet wrote into the file; "" when there is none.
std::string bmpNote(std::span<const uint8_t> file);
