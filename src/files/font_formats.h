// Font files of every format gridlet reads, recognised by their content first and their name
// second: raw fonts, C64 fonts (.64c), console fonts (PSF), BDF fonts and pictures (PNG, BMP).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "files/font_reading.h"
#include "model/glyph_look.h"

// The open requester's entry for all of them.
constexpr const char* fontFilesMask = "*.fnt;*.bin;*.ch8;*.chr;*.rom;*.64c;*.psf;*.bdf;*.png;*.bmp";

// The name's extension in lower case with its dot (".fnt"), or "" when it has none.
std::string extensionOf(std::string_view name);

// A file that is none of the others is a raw font: glyph rows with no header. So is one whose
// first bytes only look like another format's, when its name says it is raw, and one that
// starts with PSF 1's or BMP's mark but holds no whole header, unless it is named .psf or .bmp.
// One named as a format that marks its files (.psf, .bdf, .png, .bmp) without the mark is not
// read. A picture gridlet wrote is read in the look and height its note names, any other in
// `look` at `height`, the rows a raw font's glyphs are read at too.
FontReading decodeFontFile(std::span<const uint8_t> file, std::string_view name,
                           const GlyphLook& look, int height);
