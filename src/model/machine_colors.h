// How the glyphs are coloured: two free colours, or as one of the machines shows its character
// modes, with the colours chosen by number from that machine's palette.
#pragma once

#include <array>
#include <cstdint>

#include "model/character_map.h"

enum class ColorMode : uint8_t { twoColors, c64Single, c64Multi, atari4, spectrum };
constexpr int colorModeCount = 5;

// The multicolour modes pair the bits of a row into wide pixels of four colours.
constexpr bool widePixels(ColorMode mode) {
    return mode == ColorMode::c64Multi || mode == ColorMode::atari4;
}
// The modes in which every map cell has a colour of its own.
constexpr bool cellsHaveColors(ColorMode mode) {
    return mode == ColorMode::c64Single || mode == ColorMode::c64Multi ||
           mode == ColorMode::spectrum;
}

// The Atari's colour registers, in the order the bit pairs use them.
enum AtariRegister { colbk, colpf0, colpf1, colpf2, colpf3, atariRegisterCount };

// The colours shared by the whole screen and the colour a painted map cell takes. C64 colours
// are 0 to 15; Atari registers hold hue * 16 + luminance * 2, as the machine's own registers do;
// a Spectrum attribute is flash * 128 + bright * 64 + paper * 8 + ink.
struct MachineColors {
    uint8_t c64Background = 6; // $D021
    uint8_t c64Multi1 = 1;     // $D022
    uint8_t c64Multi2 = 2;     // $D023
    std::array<uint8_t, atariRegisterCount> atari{0x00, 0x28, 0xCA, 0x94, 0x46};
    uint8_t c64Ink = 13;              // the colour RAM value painted
    uint8_t spectrumAttribute = 0x38; // ink 0 on paper 7, the machine's own start-up look

    bool operator==(const MachineColors&) const = default;
};

// One colour byte beside each code of the map: a C64 colour RAM value or a Spectrum
// attribute, as the mode reads it.
using MapColors = std::array<std::array<uint8_t, mapRows>, mapColumns>; // [column][row]

constexpr uint8_t startCellColor = 13;

constexpr MapColors filledMapColors(uint8_t color) {
    MapColors colors{};
    for (auto& column : colors) column.fill(color);
    return colors;
}

// The byte a painted map cell takes in the mode; nothing in modes without cell colours.
constexpr int paintingColor(ColorMode mode, const MachineColors& colors) {
    if (mode == ColorMode::spectrum) return colors.spectrumAttribute;
    if (cellsHaveColors(mode)) return colors.c64Ink;
    return -1;
}

// The bit pair the left button paints in the multicolour modes: 0 to 3.
using Pen = uint8_t;
