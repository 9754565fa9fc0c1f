#include "app/export_commands.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "app/export_encoding.h"
#include "app/file_requests.h"
#include "files/source_text.h"
#include "toolkit/requesters.h"

namespace {

// Asks for the name, then writes the export in the format under it.
void exportAs(const Editor& editor, WindowsState& windows, ExportFormat format,
              const std::string& patterns, std::initializer_list<std::string_view> extensions) {
    if (const std::string problem = exportProblem(editor.document(), format); !problem.empty()) {
        toolkit::message_requester("Export", problem + ".", toolkit::message_ok);
        return;
    }
    const std::string name =
        askSaveName(windows.files.lastFolder, windows.files.lastFolder, patterns, extensions);
    if (name.empty()) return;
    // The assembler's file types, in the order of its dialects; the other formats ignore it.
    static constexpr Assembler dialects[] = {Assembler::ca65, Assembler::acme, Assembler::z80Defb,
                                             Assembler::z80Db};
    const Assembler dialect = dialects[std::clamp(toolkit::selected_file_pattern(), 0, 3)];
    saveBytes(name, encodeExport(editor.document(), format, name, dialect));
}

// Asks for the name once the document can become such a file, then writes it under the name.
void exportWork(const Editor& editor, WindowsState& windows, WorkFormat format,
                const std::string& pattern, std::string_view extension) {
    const std::string problem = encodeWork(editor.document(), format, "").problem;
    if (!problem.empty()) {
        toolkit::message_requester("Export", problem + ".", toolkit::message_ok);
        return;
    }
    const std::string name =
        askSaveName(windows.files.lastFolder, windows.files.lastFolder, pattern, {extension});
    if (!name.empty()) saveBytes(name, encodeWork(editor.document(), format, name).bytes);
}

} // namespace

void exportPng(const Editor& editor, WindowsState& windows) {
    exportAs(editor, windows, ExportFormat::png, "PNG picture (*.png)|*.png", {".png"});
}

void exportPsf(const Editor& editor, WindowsState& windows) {
    exportAs(editor, windows, ExportFormat::psf, "Console font (*.psf)|*.psf", {".psf"});
}

void exportBdf(const Editor& editor, WindowsState& windows) {
    exportAs(editor, windows, ExportFormat::bdf, "BDF font (*.bdf)|*.bdf", {".bdf"});
}

void exportC64Font(const Editor& editor, WindowsState& windows) {
    exportAs(editor, windows, ExportFormat::c64Font, "C64 font (*.64c)|*.64c", {".64c"});
}

void exportCSource(const Editor& editor, WindowsState& windows) {
    exportAs(editor, windows, ExportFormat::cSource, "C source (*.c)|*.c|C header (*.h)|*.h",
             {".c", ".h"});
}

void exportAssembler(const Editor& editor, WindowsState& windows) {
    exportAs(editor, windows, ExportFormat::assembler,
             "6502, ca65 .byte (*.s)|*.s|6502, ACME !byte (*.a)|*.a|"
             "Z80, defb (*.asm)|*.asm|Z80, DB (*.z80)|*.z80",
             {".s", ".a", ".asm", ".z80"});
}

void exportBasicData(const Editor& editor, WindowsState& windows) {
    exportAs(editor, windows, ExportFormat::basicData, "BASIC (*.bas)|*.bas", {".bas"});
}

void exportMapCSource(const Editor& editor, WindowsState& windows) {
    const std::string name = askSaveName(windows.files.lastFolder, windows.files.lastFolder,
                                         "C source (*.c)|*.c|C header (*.h)|*.h", {".c", ".h"});
    if (!name.empty())
        saveBytes(name, encodeExport(editor.document(), ExportFormat::mapCSource, name));
}

void exportMapPicture(const Editor& editor, WindowsState& windows) {
    const std::string name = askSaveName(windows.files.lastFolder, windows.files.lastFolder,
                                         "PNG picture (*.png)|*.png", {".png"});
    if (!name.empty())
        saveBytes(name, encodeExport(editor.document(), ExportFormat::mapPicture, name));
}

void exportCharpad(const Editor& editor, WindowsState& windows) {
    exportWork(editor, windows, WorkFormat::charpad, "CharPad project (*.ctm)|*.ctm", ".ctm");
}

void exportVchar64(const Editor& editor, WindowsState& windows) {
    exportWork(editor, windows, WorkFormat::vchar64,
               "VChar64 project (*.vchar64proj)|*.vchar64proj", ".vchar64proj");
}

void exportPetmate(const Editor& editor, WindowsState& windows) {
    exportWork(editor, windows, WorkFormat::petmate, "Petmate file (*.petmate)|*.petmate",
               ".petmate");
}

void exportC64Program(const Editor& editor, WindowsState& windows) {
    exportWork(editor, windows, WorkFormat::c64Program, "C64 program (*.prg)|*.prg", ".prg");
}

void exportAtariExecutable(const Editor& editor, WindowsState& windows) {
    exportWork(editor, windows, WorkFormat::atariExecutable, "Atari executable (*.xex)|*.xex",
               ".xex");
}

void exportSpectrumScreen(const Editor& editor, WindowsState& windows) {
    exportWork(editor, windows, WorkFormat::spectrumScreen, "ZX Spectrum screen (*.scr)|*.scr",
               ".scr");
}

void exportSpectrumTape(const Editor& editor, WindowsState& windows) {
    exportWork(editor, windows, WorkFormat::spectrumTape, "ZX Spectrum tape (*.tap)|*.tap", ".tap");
}
