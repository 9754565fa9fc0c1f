#include "model/palettes.h"

#include <cstddef>
#include <cstdint>

namespace {

// The tables below are written as #RRGGBB, the way they are published, so that any entry can
// be checked against its source by eye; Color keeps red in the low byte, so each is swapped
// here once instead of by hand 160 times.
template <size_t N> constexpr std::array<Color, N> fromRgb(const std::array<uint32_t, N>& rgb) {
    std::array<Color, N> colors{};
    for (size_t i = 0; i < N; ++i) {
        const uint32_t c = rgb[i];
        colors[i] = ((c >> 16) & 0xFF) | (c & 0x00FF00) | ((c & 0xFF) << 16);
    }
    return colors;
}

} // namespace

// Philip "Pepto" Timmermann's PAL VIC-II palette of 2001, measured from real machines; the one
// most C64 tools show, so a user's colours look here as they do there.
const std::array<Color, 16> c64Palette = fromRgb<16>({
    0x000000, // black
    0xFFFFFF, // white
    0x68372B, // red
    0x70A4B2, // cyan
    0x6F3D86, // purple
    0x588D43, // green
    0x352879, // blue
    0xB8C76F, // yellow
    0x6F4F25, // orange
    0x433900, // brown
    0x9A6759, // light red
    0x444444, // dark grey
    0x6C6C6C, // grey
    0x9AD284, // light green
    0x6C5EB5, // light blue
    0x959595, // light grey
});

// The NTSC palette built into the Atari800 emulator 2.x (colortable_ntsc of its colours.c, the
// Atari800 development team, 1998-2005), its default until the palette came to be computed from
// adjustable settings. That table has 256 entries, one per register value; only the even ones
// are kept, since bit 0 only matters in the GTIA's 16-shade modes. One row per hue, luminance
// rising to the right; hue 0 is the greys.
const std::array<Color, 128> atariPalette = fromRgb<128>({
    0x000000, 0x1F1F1F, 0x3E3E3E, 0x5E5E5E, 0x797979, 0x9C9C9C, 0xBFBFBF, 0xE6E6E6, // hue 0
    0x110900, 0x342C00, 0x514A00, 0x716A00, 0x8C850C, 0xAEA734, 0xD0C95B, 0xF6F087, // hue 1
    0x2A0000, 0x4C1B00, 0x693A00, 0x885A04, 0xA27522, 0xC39848, 0xE4BB6F, 0xFFE29A, // hue 2
    0x360000, 0x581100, 0x752F00, 0x93501A, 0xAD6C37, 0xCD8F5C, 0xEEB282, 0xFFDAAC, // hue 3
    0x420000, 0x630204, 0x802123, 0x9E4244, 0xB75E60, 0xD88284, 0xF8A6A7, 0xFFCED0, // hue 4
    0x3E002A, 0x60004D, 0x7D156A, 0x9B3789, 0xB453A3, 0xD577C4, 0xF59CE5, 0xFFC4FF, // hue 5
    0x0F0077, 0x320097, 0x501EB2, 0x6F3FCF, 0x8A5BE7, 0xAC7FFF, 0xCEA3FF, 0xF4CCFF, // hue 6
    0x000076, 0x0C1297, 0x2B31B2, 0x4C51CE, 0x686DE6, 0x8B90FF, 0xAFB3FF, 0xD6DBFF, // hue 7
    0x000065, 0x002086, 0x173EA1, 0x395EBE, 0x5579D7, 0x799CF6, 0x9EBFFF, 0xC6E6FF, // hue 8
    0x00074F, 0x002A71, 0x0B488D, 0x2C68AB, 0x4983C4, 0x6EA5E3, 0x93C8FF, 0xBCEEFF, // hue 9
    0x000F3B, 0x00325D, 0x035079, 0x257098, 0x428AB1, 0x67ACD2, 0x8CCFF2, 0xB5F5FF, // hue A
    0x001A17, 0x003D3A, 0x005A58, 0x1E7A77, 0x3B9492, 0x60B6B3, 0x86D7D5, 0xB0FDFB, // hue B
    0x002500, 0x004803, 0x006522, 0x1E8443, 0x3B9E5F, 0x60BF83, 0x86E0A7, 0xB0FFCF, // hue C
    0x001E00, 0x0C4100, 0x2A5E00, 0x4B7D00, 0x67970C, 0x8AB933, 0xAEDB5B, 0xD6FF87, // hue D
    0x001300, 0x233600, 0x415400, 0x617300, 0x7C8E08, 0x9FB02F, 0xC1D257, 0xE8F883, // hue E
    0x1E0000, 0x412400, 0x5E4200, 0x7D6200, 0x977D15, 0xB9A03C, 0xDBC263, 0xFFE98F, // hue F
});

// The ULA drives each gun at one of two levels: about 84% for the normal colours and full for
// the bright ones, the values commonly published for the machine (0xD7 and 0xFF). Bright black
// is still black.
const std::array<Color, 16> spectrumPalette = fromRgb<16>({
    0x000000, // black
    0x0000D7, // blue
    0xD70000, // red
    0xD700D7, // magenta
    0x00D700, // green
    0x00D7D7, // cyan
    0xD7D700, // yellow
    0xD7D7D7, // white
    0x000000, // bright black
    0x0000FF, // bright blue
    0xFF0000, // bright red
    0xFF00FF, // bright magenta
    0x00FF00, // bright green
    0x00FFFF, // bright cyan
    0xFFFF00, // bright yellow
    0xFFFFFF, // bright white
});
