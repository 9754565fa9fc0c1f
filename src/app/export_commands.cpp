#include "app/export_commands.h"

#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <vector>

#include "app/file_commands.h"
#include "files/bdf_file.h"
#include "files/c64_font.h"
#include "files/glyph_picture.h"
#include "files/png_file.h"
#include "files/psf_file.h"
#include "files/source_text.h"
#include "toolkit/requesters.h"

namespace {

// gridlet's own picture of the set: 2 x 2 pixels a glyph pixel, as the charset view shows it.
constexpr int pictureScale = 2;

struct Exported {
    int firstCode;
    std::span<const uint8_t> glyphs;
};

Exported exported(const AppState& state) {
    const Range& range = state.document.range;
    const int first = range.enabled ? range.low() : 0;
    const int last = range.enabled ? range.high() : glyphCount - 1;
    return {first, std::span(state.document.charset)
                       .subspan(size_t(first) * glyphBytes, size_t(last - first + 1) * glyphBytes)};
}

std::vector<uint8_t> bytesOf(const std::string& text) {
    return {text.begin(), text.end()};
}

// Asks for the name, then writes what `encode` makes of the exported glyphs and the name.
template <typename Encode>
void exportAs(AppState& state, const std::string& patterns,
              std::initializer_list<std::string_view> extensions, Encode encode) {
    const std::string name = askSaveName(state, state.lastFolder, patterns, extensions);
    if (!name.empty()) saveBytes(name, encode(exported(state), name));
}

} // namespace

void exportPng(AppState& state) {
    const Document& document = state.document;
    exportAs(state, "PNG picture (*.png)|*.png", {".png"}, [&](Exported e, const std::string&) {
        return encodePng(
            encodeGlyphSheet(e.glyphs, document.paperColor, document.inkColor, pictureScale));
    });
}

void exportPsf(AppState& state) {
    const std::array<char32_t, 256>& unicode = unicodeOf(state.codePage);
    const bool table = state.codePage != CodePage::none;
    exportAs(state, "Console font (*.psf)|*.psf", {".psf"}, [&](Exported e, const std::string&) {
        const auto codes =
            std::span(unicode).subspan(size_t(e.firstCode), e.glyphs.size() / glyphBytes);
        return encodePsf2(e.glyphs, table ? codes : std::span<const char32_t>());
    });
}

void exportBdf(AppState& state) {
    exportAs(state, "BDF font (*.bdf)|*.bdf", {".bdf"}, [](Exported e, const std::string& name) {
        return bytesOf(encodeBdf(e.glyphs, e.firstCode, identifierOf(name)));
    });
}

void exportC64Font(AppState& state) {
    exportAs(state, "C64 font (*.64c)|*.64c", {".64c"},
             [](Exported e, const std::string&) { return encodeC64Font(e.glyphs); });
}

void exportCSource(AppState& state) {
    exportAs(state, "C source (*.c)|*.c|C header (*.h)|*.h", {".c", ".h"},
             [](Exported e, const std::string& name) {
                 return bytesOf(encodeCSource(e.glyphs, e.firstCode, identifierOf(name)));
             });
}

void exportAssembler(AppState& state) {
    static constexpr Assembler dialects[] = {Assembler::ca65, Assembler::acme, Assembler::z80Defb,
                                             Assembler::z80Db};
    exportAs(state,
             "6502, ca65 .byte (*.s)|*.s|6502, ACME !byte (*.a)|*.a|"
             "Z80, defb (*.asm)|*.asm|Z80, DB (*.z80)|*.z80",
             {".s", ".a", ".asm", ".z80"}, [](Exported e, const std::string& name) {
                 const int chosen = std::clamp(toolkit::selected_file_pattern(), 0, 3);
                 return bytesOf(
                     encodeAssembler(e.glyphs, e.firstCode, identifierOf(name), dialects[chosen]));
             });
}

void exportBasicData(AppState& state) {
    exportAs(state, "BASIC (*.bas)|*.bas", {".bas"}, [](Exported e, const std::string& name) {
        return bytesOf(encodeBasicData(e.glyphs, e.firstCode, identifierOf(name)));
    });
}

void exportMapCSource(AppState& state) {
    const Document& document = state.document;
    const std::string name =
        askSaveName(state, state.lastFolder, "C source (*.c)|*.c|C header (*.h)|*.h", {".c", ".h"});
    if (!name.empty())
        saveBytes(name, bytesOf(encodeMapCSource(document.mapCells, document.mapWidth,
                                                 document.mapHeight, identifierOf(name))));
}
