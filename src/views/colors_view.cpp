#include "views/colors_view.h"

#include <array>
#include <cstdio>

#include "model/glyph_look.h"
#include "model/palettes.h"

namespace {

// The window's own face behind the swatches, and the mark under the chosen one.
constexpr toolkit::Color face = 0xF0F0F0;
constexpr toolkit::Color mark = 0x000000;

int swatchWidth(ColorChoice choice) {
    return swatchRowWidth / choiceCount(choice);
}

const char* rowName(const Document& document, ColorChoice choice) {
    constexpr std::array names{
        "Background ($D021)",
        "Multicolour 1 ($D022)",
        "Multicolour 2 ($D023)",
        "Painted colour (colour RAM)",
        "COLBK (bits 00)",
        "COLPF0 (bits 01)",
        "COLPF1 (bits 10)",
        "COLPF2 (bits 11)",
        "COLPF3 (bits 11 of codes 128-255)",
        "Ink",
        "Paper",
        "Bright",
        "Pen (the bits the left button paints)",
        "Border ($D020, shown by the exported programs)",
    };
    // Colour RAM values 0 to 7 keep a cell in single colour.
    if (choice == ColorChoice::c64Ink && document.colorMode == ColorMode::c64Multi)
        return "Painted colour (colour RAM, 8-15 multicolour)";
    return names[size_t(choice)];
}

} // namespace

const char* const twoColorsNote =
    "Two colours: choose them with \"Color for bit=0...\" and \"Color for bit=1...\".";

std::string colorRowText(const Document& document, ColorChoice choice) {
    const int number = chosenNumber(document, choice);
    char value[48];
    if (choice >= ColorChoice::colbk && choice <= ColorChoice::colpf3)
        std::snprintf(value, sizeof value, "$%02X (hue %d, luminance %d)", number * 2, number / 8,
                      number % 8);
    else if (choice == ColorChoice::pen)
        std::snprintf(value, sizeof value, "%d%d", number >> 1, number & 1);
    else
        std::snprintf(value, sizeof value, "%d", number);
    return std::string(rowName(document, choice)) + ": " + value;
}

toolkit::Color choiceColor(const Document& document, ColorChoice choice, int number) {
    const int bright = (document.machineColors.spectrumAttribute & 0x40) ? 8 : 0;
    switch (choice) {
    case ColorChoice::colbk:
    case ColorChoice::colpf0:
    case ColorChoice::colpf1:
    case ColorChoice::colpf2:
    case ColorChoice::colpf3:
        return atariColor(number * 2);
    case ColorChoice::spectrumInk:
    case ColorChoice::spectrumPaper:
        return spectrumPalette[size_t(number + bright)];
    case ColorChoice::spectrumBright: // the ink, plain and bright
        return spectrumPalette[size_t((document.machineColors.spectrumAttribute & 7) + number * 8)];
    case ColorChoice::pen:
        return glyphLook(document).colors[size_t(number)];
    default:
        return c64Color(number);
    }
}

int swatchAt(ColorChoice choice, int x, int y) {
    if (x < 0 || x >= swatchRowWidth || y < 0 || y >= swatchRowHeight) return -1;
    return x / swatchWidth(choice);
}

void drawColorRow(const Document& document, ColorChoice choice) {
    using toolkit::draw_box;
    const int width = swatchWidth(choice);
    // Narrow swatches stand edge to edge, as a strip of the palette.
    const int gap = width > 4 ? 1 : 0;
    draw_box(0, 0, swatchRowWidth, swatchRowHeight, face);
    for (int number = 0; number < choiceCount(choice); ++number)
        draw_box(number * width, 0, width - gap, swatchHeight,
                 choiceColor(document, choice, number));
    draw_box(chosenNumber(document, choice) * width, swatchHeight + 2, width - gap,
             swatchRowHeight - swatchHeight - 2, mark);
}

void drawEmptyColorRow() {
    toolkit::draw_box(0, 0, swatchRowWidth, swatchRowHeight, face);
}
