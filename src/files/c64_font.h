// Commodore 64 font files (.64c): a two-byte load address, then the glyphs.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "files/font_reading.h"

// Where C64 programs usually keep a character set of their own: $3800, the end of bank 0.
constexpr uint16_t c64FontAddress = 0x3800;

// The glyphs go from the current char on, as from a raw file.
FontReading decodeC64Font(std::span<const uint8_t> file);
std::vector<uint8_t> encodeC64Font(std::span<const uint8_t> glyphs,
                                   uint16_t address = c64FontAddress);
