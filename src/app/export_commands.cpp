#include "app/export_commands.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "app/export_encoding.h"
#include "app/file_commands.h"
#include "files/source_text.h"
#include "toolkit/requesters.h"

namespace {

// Asks for the name, then writes the export in the format under it.
void exportAs(AppState& state, ExportFormat format, const std::string& patterns,
              std::initializer_list<std::string_view> extensions) {
    const std::string name = askSaveName(state, state.lastFolder, patterns, extensions);
    if (name.empty()) return;
    // The assembler's file types, in the order of its dialects; the other formats ignore it.
    static constexpr Assembler dialects[] = {Assembler::ca65, Assembler::acme, Assembler::z80Defb,
                                             Assembler::z80Db};
    const Assembler dialect = dialects[std::clamp(toolkit::selected_file_pattern(), 0, 3)];
    saveBytes(name, encodeExport(state, format, name, dialect));
}

std::vector<uint8_t> bytesOf(const std::string& text) {
    return {text.begin(), text.end()};
}

} // namespace

void exportPng(AppState& state) {
    exportAs(state, ExportFormat::png, "PNG picture (*.png)|*.png", {".png"});
}

void exportPsf(AppState& state) {
    exportAs(state, ExportFormat::psf, "Console font (*.psf)|*.psf", {".psf"});
}

void exportBdf(AppState& state) {
    exportAs(state, ExportFormat::bdf, "BDF font (*.bdf)|*.bdf", {".bdf"});
}

void exportC64Font(AppState& state) {
    exportAs(state, ExportFormat::c64Font, "C64 font (*.64c)|*.64c", {".64c"});
}

void exportCSource(AppState& state) {
    exportAs(state, ExportFormat::cSource, "C source (*.c)|*.c|C header (*.h)|*.h", {".c", ".h"});
}

void exportAssembler(AppState& state) {
    exportAs(state, ExportFormat::assembler,
             "6502, ca65 .byte (*.s)|*.s|6502, ACME !byte (*.a)|*.a|"
             "Z80, defb (*.asm)|*.asm|Z80, DB (*.z80)|*.z80",
             {".s", ".a", ".asm", ".z80"});
}

void exportBasicData(AppState& state) {
    exportAs(state, ExportFormat::basicData, "BASIC (*.bas)|*.bas", {".bas"});
}

void exportMapCSource(AppState& state) {
    const Document& document = state.document;
    const std::string name =
        askSaveName(state, state.lastFolder, "C source (*.c)|*.c|C header (*.h)|*.h", {".c", ".h"});
    if (!name.empty())
        saveBytes(name, bytesOf(encodeMapCSource(document.mapCells, document.mapWidth,
                                                 document.mapHeight, identifierOf(name))));
}
