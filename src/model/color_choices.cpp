#include "model/color_choices.h"

#include <array>

namespace {

using enum ColorChoice;

constexpr std::array c64SingleChoices{c64Background, c64Ink, c64Border};
constexpr std::array c64MultiChoices{c64Background, c64Multi1, c64Multi2, c64Ink, c64Border, pen};
constexpr std::array atariChoices{colbk, colpf0, colpf1, colpf2, colpf3, pen};
constexpr std::array spectrumChoices{spectrumInk, spectrumPaper, spectrumBright};

bool isAtari(ColorChoice choice) {
    return choice >= colbk && choice <= colpf3;
}

int atariRegister(ColorChoice choice) {
    return int(choice) - int(colbk);
}

} // namespace

std::span<const ColorChoice> colorChoices(ColorMode mode) {
    switch (mode) {
    case ColorMode::c64Single:
        return c64SingleChoices;
    case ColorMode::c64Multi:
        return c64MultiChoices;
    case ColorMode::atari4:
        return atariChoices;
    case ColorMode::spectrum:
        return spectrumChoices;
    case ColorMode::twoColors:
        break;
    }
    return {};
}

int choiceCount(ColorChoice choice) {
    if (isAtari(choice)) return 128;
    switch (choice) {
    case spectrumInk:
    case spectrumPaper:
        return 8;
    case spectrumBright:
        return 2;
    case pen:
        return 4;
    default:
        return 16;
    }
}

int chosenNumber(const Document& document, ColorChoice choice) {
    const MachineColors& colors = document.machineColors;
    const int attribute = colors.spectrumAttribute;
    if (isAtari(choice)) return colors.atari[size_t(atariRegister(choice))] >> 1;
    switch (choice) {
    case c64Background:
        return colors.c64Background & 15;
    case c64Multi1:
        return colors.c64Multi1 & 15;
    case c64Multi2:
        return colors.c64Multi2 & 15;
    case c64Ink:
        return colors.c64Ink & 15;
    case c64Border:
        return document.c64Border & 15;
    case spectrumInk:
        return attribute & 7;
    case spectrumPaper:
        return (attribute >> 3) & 7;
    case spectrumBright:
        return (attribute >> 6) & 1;
    default:
        return document.pen & 3;
    }
}

MachineColors withChoice(MachineColors colors, ColorChoice choice, int number) {
    const auto value = uint8_t(number);
    uint8_t& attribute = colors.spectrumAttribute;
    if (isAtari(choice)) {
        colors.atari[size_t(atariRegister(choice))] = uint8_t(value << 1);
        return colors;
    }
    switch (choice) {
    case c64Background:
        colors.c64Background = value;
        break;
    case c64Multi1:
        colors.c64Multi1 = value;
        break;
    case c64Multi2:
        colors.c64Multi2 = value;
        break;
    case c64Ink:
        colors.c64Ink = value;
        break;
    case spectrumInk:
        attribute = uint8_t((attribute & ~7) | value);
        break;
    case spectrumPaper:
        attribute = uint8_t((attribute & ~0x38) | (value << 3));
        break;
    case spectrumBright:
        attribute = uint8_t((attribute & ~0x40) | (value << 6));
        break;
    default:
        break;
    }
    return colors;
}
