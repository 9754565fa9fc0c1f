#include "model/glyph_look.h"

#include "model/palettes.h"

namespace {

GlyphLook c64Multicolor(const MachineColors& colors, int cellColor) {
    return {true,
            {c64Color(colors.c64Background), c64Color(colors.c64Multi1), c64Color(colors.c64Multi2),
             c64Color(cellColor & 7)}};
}

GlyphLook atariLook(const MachineColors& colors, AtariRegister forPair3) {
    const auto& registers = colors.atari;
    return {true,
            {atariColor(registers[colbk]), atariColor(registers[colpf0]),
             atariColor(registers[colpf1]), atariColor(registers[forPair3])}};
}

} // namespace

Color c64Color(int color) {
    return c64Palette[size_t(color & 15)];
}

Color atariColor(int value) {
    return atariPalette[size_t((value & 0xFF) >> 1)];
}

GlyphLook spectrumLook(int attribute) {
    const int bright = (attribute & 0x40) ? 8 : 0;
    return narrowLook(spectrumPalette[size_t(((attribute >> 3) & 7) + bright)],
                      spectrumPalette[size_t((attribute & 7) + bright)]);
}

GlyphLook glyphLook(const Document& document) {
    const MachineColors& colors = document.machineColors;
    switch (document.colorMode) {
    case ColorMode::c64Single:
        return narrowLook(c64Color(colors.c64Background), c64Color(colors.c64Ink));
    case ColorMode::c64Multi:
        return c64Multicolor(colors, colors.c64Ink);
    case ColorMode::atari4:
        return atariLook(colors, colpf2);
    case ColorMode::spectrum:
        return spectrumLook(colors.spectrumAttribute);
    case ColorMode::twoColors:
        break;
    }
    return narrowLook(document.paperColor, document.inkColor);
}

CellLook mapCellLook(const Document& document, int column, int row) {
    const int stored = document.mapCells[size_t(column)][size_t(row)] & 0xFF;
    const int code = stored & mapCodeMask(document.colorMode);
    const int cellColor = document.mapColors[size_t(column)][size_t(row)];
    const MachineColors& colors = document.machineColors;
    switch (document.colorMode) {
    case ColorMode::c64Single:
        return {code, narrowLook(c64Color(colors.c64Background), c64Color(cellColor))};
    case ColorMode::c64Multi:
        // Colour RAM values 0 to 7 keep the cell in single colour, as the machine does.
        if ((cellColor & 8) == 0)
            return {code, narrowLook(c64Color(colors.c64Background), c64Color(cellColor))};
        return {code, c64Multicolor(colors, cellColor)};
    case ColorMode::atari4:
        // Bit 7 of the code picks COLPF3 for the pair 11.
        if (stored & 0x80) return {code, atariLook(colors, colpf3)};
        return {code, atariLook(colors, colpf2)};
    case ColorMode::spectrum:
        return {code, spectrumLook(cellColor)};
    case ColorMode::twoColors:
        break;
    }
    return {code, narrowLook(document.paperColor, document.inkColor)};
}
