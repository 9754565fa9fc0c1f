// The machines' palettes, as the published tables name their colours.
#pragma once

#include <array>

#include "model/document.h" // using Color = uint32_t; 0x00BBGGRR: red in the LOW byte

// VIC-II colour 0..15.
extern const std::array<Color, 16> c64Palette;

// Index = register value >> 1, i.e. hue * 8 + luminance (hue 0..15 in the high nibble of the
// register, luminance 0..7 in bits 1..3). Bit 0 of a register shows no difference outside the
// 16-shade modes, so 128 entries cover the character modes.
extern const std::array<Color, 128> atariPalette;

// 0..7 the normal level, 8..15 the same colours bright (GRB order of the machine: 0 black,
// 1 blue, 2 red, 3 magenta, 4 green, 5 cyan, 6 yellow, 7 white).
extern const std::array<Color, 16> spectrumPalette;
