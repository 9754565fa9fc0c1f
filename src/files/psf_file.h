// Linux console fonts (PSF 1 and 2) of glyphs 8 pixels wide and 1 to 32 rows, as setfont loads
// them.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "files/font_reading.h"
#include "model/charset.h"

// The first bytes of a console font; a raw font may start with PSF 1's two as well.
bool hasPsfMark(std::span<const uint8_t> file);
// A console font by its header: PSF 2's mark, or PSF 1's with a mode and a length that hold
// the glyphs it promises.
bool isPsf(std::span<const uint8_t> file);
// The glyphs from code 0 on at the font's height; of more than 256, the first 256 and a note.
FontReading decodePsf(std::span<const uint8_t> file);
// A console font of the glyphs, `height` rows each; with `table` (the characters of every glyph,
// the one it shows first) also its Unicode table. 256 glyphs whose characters all fit 16 bits
// make a PSF 1 font, as the console fonts of Linux distributions are; any others PSF 2.
std::vector<uint8_t> encodePsf(std::span<const uint8_t> glyphs,
                               std::span<const std::u32string> table = {},
                               int height = machineGlyphHeight);
