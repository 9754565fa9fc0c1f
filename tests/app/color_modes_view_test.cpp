// Every view in every colour mode against a slow reference that applies the machines' rules
// pixel by pixel: every code, every colour of every palette, cells of every colour byte.
#include <gtest/gtest.h>

#include "busy_charset.h"
#include "model/palettes.h"
#include "view_test.h"

namespace {

// Whether a cell shows wide pixels, and which glyph: C64 multicolour cells with colour RAM 0 to 7
// stay narrow; Atari codes from 128 show the glyph 128 lower. `glyphView` is the charset view and
// the editor: codes as they are, the painting colour.
struct Shown {
    bool wide;
    int code;
};
Shown shownAs(const Document& d, int code, int cell, bool glyphView) {
    switch (d.colorMode) {
    case ColorMode::c64Multi:
        return {glyphView || (cell & 15) >= 8, code};
    case ColorMode::atari4:
        return {true, !glyphView && code >= 128 ? code - 128 : code};
    default:
        return {false, code};
    }
}

// The colour of pixel value v (a bit, or a bit pair when wide) in a cell of `code` with colour
// byte `cell`, from the machines' rules.
Color valueColor(const Document& d, int code, int cell, int v, bool glyphView) {
    const MachineColors& m = d.machineColors;
    switch (d.colorMode) {
    case ColorMode::twoColors:
        return v ? d.inkColor : d.paperColor;
    case ColorMode::c64Single:
        return c64Palette[v ? cell & 15 : m.c64Background];
    case ColorMode::c64Multi: {
        if (!shownAs(d, code, cell, glyphView).wide)
            return c64Palette[v ? cell & 15 : m.c64Background];
        const int colors[] = {m.c64Background, m.c64Multi1, m.c64Multi2, cell & 7};
        return c64Palette[size_t(colors[v])];
    }
    case ColorMode::atari4: {
        const bool high = !glyphView && code >= 128;
        const int registers[] = {m.atari[0], m.atari[1], m.atari[2], m.atari[high ? 4 : 3]};
        return atariPalette[size_t(registers[v] >> 1)];
    }
    case ColorMode::spectrum: {
        const int bright = cell & 0x40 ? 8 : 0;
        return spectrumPalette[size_t((v ? cell & 7 : (cell >> 3) & 7) + bright)];
    }
    }
    return 0;
}

// The colour at glyph column `column` (0..7) of row `row`.
Color referenceColor(const Document& d, int code, int cell, int row, int column, bool glyphView) {
    const Shown shown = shownAs(d, code, cell, glyphView);
    const int byte = d.charset[size_t(shown.code * 8 + row)];
    const int v = shown.wide ? (byte >> (6 - 2 * (column / 2))) & 3 : (byte >> (7 - column)) & 1;
    return valueColor(d, code, cell, v, glyphView);
}

int paintingByte(const Document& d) {
    return d.colorMode == ColorMode::spectrum ? d.machineColors.spectrumAttribute
                                              : d.machineColors.c64Ink;
}

void expectCharsetImage(const toolkit::PixelBuffer& image, const Document& d) {
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) {
            const int code = (y / 16) * 16 + x / 16;
            ASSERT_EQ(image.color_at(x, y),
                      referenceColor(d, code, paintingByte(d), y % 16 / 2, x % 16 / 2, true))
                << "code " << code << " at (" << x % 16 << ", " << y % 16 << ")";
        }
}

// The editor: squares one pixel smaller than their cell, wide ones two cells wide, under a
// dotted grid that runs only between wide pixels.
void expectGlyphEditor(const toolkit::PixelBuffer& editor, const Document& d, int code) {
    const bool wide = widePixels(d.colorMode);
    const int pixelWidth = wide ? 32 : 16;
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) {
            Color expected = referenceColor(d, code, paintingByte(d), y / 16, x / 16, true);
            if (x % pixelWidth == pixelWidth - 1 || y % 16 == 15)
                expected = valueColor(d, code, paintingByte(d), 0, true); // paper
            if (y % 16 == 0) expected = x % 2 == 0 ? white : black;
            if (x % pixelWidth == 0) expected = y % 2 == 0 ? white : black;
            ASSERT_EQ(editor.color_at(x, y), expected) << "at (" << x << ", " << y << ")";
        }
}

// The map with its grid: each cell's left edge paper and ink from the top, its top edge ink and
// paper from the left, in the cell's own paper (pair 00) and ink (pair 11, or bit 1).
void expectMap(const toolkit::PixelBuffer& map, const Document& d) {
    for (int y = 0; y < d.mapHeight * 16; ++y)
        for (int x = 0; x < d.mapWidth * 16; ++x) {
            const int code = d.mapCells[size_t(x / 16)][size_t(y / 16)] & 0xFF;
            const int cell = d.mapColors[size_t(x / 16)][size_t(y / 16)];
            const int dx = x % 16, dy = y % 16;
            Color expected = referenceColor(d, code, cell, dy / 2, dx / 2, false);
            const Color paper = valueColor(d, code, cell, 0, false);
            const Color ink =
                valueColor(d, code, cell, shownAs(d, code, cell, false).wide ? 3 : 1, false);
            if (dy == 0) expected = dx % 2 == 0 ? ink : paper;
            if (dx == 0) expected = dy % 2 == 0 ? paper : ink;
            ASSERT_EQ(map.color_at(x, y), expected)
                << "cell (" << x / 16 << ", " << y / 16 << ") at (" << dx << ", " << dy << ")";
        }
}

// The colours in turn: choice i puts palette entry i, i + 1, ... into the mode's registers.
MachineColors colorsNumber(ColorMode mode, int i) {
    MachineColors m;
    if (mode == ColorMode::atari4) {
        for (int r = 0; r < atariRegisterCount; ++r) m.atari[size_t(r)] = uint8_t((i + r) * 2);
    } else {
        m.c64Background = uint8_t(i & 15);
        m.c64Multi1 = uint8_t((i + 1) & 15);
        m.c64Multi2 = uint8_t((i + 2) & 15);
        m.c64Ink = uint8_t((i + 3) & 15);
    }
    m.spectrumAttribute = uint8_t(i);
    return m;
}

int choicesOf(ColorMode mode) {
    switch (mode) {
    case ColorMode::atari4:
        return 128;
    case ColorMode::spectrum:
        return 256;
    case ColorMode::twoColors:
        return 1;
    default:
        return 16;
    }
}

class ColorModeViews : public AllSurfacesTest, public ::testing::WithParamInterface<ColorMode> {};

TEST_P(ColorModeViews, GlyphViewsShowEveryPaletteColourAsTheMachineDoes) {
    const ColorMode mode = GetParam();
    edit().charset = busyCharset(9);
    state.editor.setColorMode(mode);
    for (int i = 0; i < choicesOf(mode); ++i) {
        state.editor.setMachineColors(colorsNumber(mode, i));
        state.editor.setCurrentChar(i);
        refresh(state);
        expectCharsetImage(image(), state.editor.document());
        expectGlyphEditor(canvas(glyphEditor), state.editor.document(), i & 0xFF);
    }
}

TEST_P(ColorModeViews, MapCellsOfEveryCodeAndColourByte) {
    const ColorMode mode = GetParam();
    Document& d = edit();
    d.charset = busyCharset(4);
    d.mapWidth = 80;
    d.mapHeight = 50;
    for (int column = 0; column < mapColumns; ++column)
        for (int row = 0; row < mapRows; ++row) {
            d.mapCells[size_t(column)][size_t(row)] = (column * 51 + row) & 0xFF;
            d.mapColors[size_t(column)][size_t(row)] = uint8_t((column * 51 + row) / 3);
        }
    state.editor.setColorMode(mode);
    for (const int i : {0, 5, 11}) {
        state.editor.setMachineColors(colorsNumber(mode, i));
        refresh(state);
        expectMap(canvas(mapView), state.editor.document());
    }
}

INSTANTIATE_TEST_SUITE_P(EveryMode, ColorModeViews,
                         ::testing::Values(ColorMode::twoColors, ColorMode::c64Single,
                                           ColorMode::c64Multi, ColorMode::atari4,
                                           ColorMode::spectrum));

} // namespace
