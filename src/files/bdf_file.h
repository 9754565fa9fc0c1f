// BDF fonts, the text form of X11 and of many font tools, with cells 8 pixels wide and 1 to 32
// high.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "files/font_reading.h"

bool isBdf(std::span<const uint8_t> file);
// Glyphs by their ENCODING 0..255, each placed in its cell by its box's offsets; those of
// other codes are left out with a note. A glyph or a file cut short is refused.
FontReading decodeBdf(std::span<const uint8_t> file);
// The glyphs from firstCode on, each ENCODING its code, in a font of the name, `height` pixels
// high.
std::string encodeBdf(std::span<const uint8_t> glyphs, int firstCode, std::string_view name,
                      int height = machineGlyphHeight);
