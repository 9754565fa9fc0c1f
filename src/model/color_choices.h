// The colours a mode lets the user choose, each by its number in the machine's palette, and the
// pen: what the Colours window shows a row of swatches for.
#pragma once

#include <cstdint>
#include <span>

#include "model/document.h"

enum class ColorChoice : uint8_t {
    c64Background, // $D021
    c64Multi1,     // $D022
    c64Multi2,     // $D023
    c64Ink,        // the colour RAM value painted
    colbk,         // the Atari registers, in the order of AtariRegister
    colpf0,
    colpf1,
    colpf2,
    colpf3,
    spectrumInk,
    spectrumPaper,
    spectrumBright,
    pen,       // the bit pair the left button paints
    c64Border, // $D020, which only the machine's programs show
};

// The mode's choices, top to bottom; none in Two colours, whose colours are free.
std::span<const ColorChoice> colorChoices(ColorMode mode);

// How many numbers a choice offers: 16 C64 colours, 128 Atari colours (register >> 1, so hue * 8
// + luminance), 8 Spectrum colours, bright off and on, 4 bit pairs.
int choiceCount(ColorChoice choice);

// The number chosen now, 0 to choiceCount - 1.
int chosenNumber(const Document& document, ColorChoice choice);

// The colours with the number chosen; the pen and the border are no machine colours of these and
// change nothing here.
MachineColors withChoice(MachineColors colors, ColorChoice choice, int number);
