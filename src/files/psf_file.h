// Linux console fonts (PSF 1 and 2) of 8 x 8 glyphs, as setfont loads them.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "files/font_reading.h"

// The first bytes of a console font; a raw font may start with PSF 1's two as well.
bool hasPsfMark(std::span<const uint8_t> file);
// A console font by its header: PSF 2's mark, or PSF 1's with a mode and a length that hold
// the glyphs it promises.
bool isPsf(std::span<const uint8_t> file);
// The glyphs from code 0 on; of more than 256, the first 256 and a note.
FontReading decodePsf(std::span<const uint8_t> file);
// A PSF 2 font of the glyphs; with `table` (the characters of every glyph, the one it shows
// first) also its Unicode table.
std::vector<uint8_t> encodePsf2(std::span<const uint8_t> glyphs,
                                std::span<const std::u32string> table = {});
