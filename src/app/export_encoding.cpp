#include "app/export_encoding.h"

#include <array>
#include <span>
#include <string_view>

#include "files/atari_executable.h"
#include "files/bdf_file.h"
#include "files/bmp_file.h"
#include "files/c64_font.h"
#include "files/c64_program.h"
#include "files/charpad_file.h"
#include "files/font_formats.h"
#include "files/glyph_picture.h"
#include "files/map_file.h"
#include "files/map_picture.h"
#include "files/petmate_file.h"
#include "files/png_file.h"
#include "files/png_text.h"
#include "files/psf_file.h"
#include "files/spectrum_screen.h"
#include "files/vchar64_file.h"
#include "model/glyph_look.h"

namespace {

// gridlet's own picture of the set: 2 x 2 pixels a glyph pixel, in the colours the charset view
// shows it in.
constexpr int pictureScale = 2;

std::vector<uint8_t> bytesOf(const std::string& text) {
    return {text.begin(), text.end()};
}

// The glyphs 16 a row in the document's look, with the note that lets them read back the same.
Picture sheetOf(const Document& document, std::span<const uint8_t> glyphs) {
    return encodeGlyphSheet(glyphs, glyphLook(document), pictureScale, document.charset.height);
}

std::string noteOf(const Document& document) {
    return lookNote(document.colorMode, glyphLook(document), document.charset.height);
}

// The machine's files in the words of the height problem: whose characters are 8 x 8.
std::string_view ownerOf(WorkFormat format) {
    switch (format) {
    case WorkFormat::charpad:
        return "A CharPad project's";
    case WorkFormat::vchar64:
        return "A VChar64 project's";
    case WorkFormat::petmate:
        return "A Petmate file's";
    case WorkFormat::c64Program:
        return "A C64 program's";
    case WorkFormat::atariExecutable:
        return "An Atari executable's";
    case WorkFormat::spectrumScreen:
        return "A ZX Spectrum screen's";
    case WorkFormat::spectrumTape:
        break;
    }
    return "A ZX Spectrum tape's";
}

} // namespace

std::vector<uint8_t> encodeExport(const Document& document, ExportFormat format,
                                  const std::string& name, Assembler dialect) {
    const Range& range = document.range;
    const int first = range.enabled ? range.low() : 0;
    const int last = range.enabled ? range.high() : glyphCount - 1;
    const std::span<const uint8_t> glyphs = glyphsOf(document.charset, first, last);
    const int height = document.charset.height;
    switch (format) {
    case ExportFormat::png:
        return withPngText(encodePng(sheetOf(document, glyphs)), pictureNoteKeyword,
                           noteOf(document));
    case ExportFormat::psf: {
        // Characters only assumed are not claimed in the font's table.
        std::vector<std::u32string> table;
        if (document.textEncoding.own)
            for (int code = first; code <= last; ++code)
                table.push_back(charactersOfCode(document.textEncoding, code));
        return encodePsf(glyphs, table, height);
    }
    case ExportFormat::bdf:
        return bytesOf(encodeBdf(glyphs, first, identifierOf(name), height));
    case ExportFormat::c64Font:
        return encodeC64Font(glyphs);
    case ExportFormat::cSource:
        return bytesOf(encodeCSource(glyphs, first, sourceNameOf(name, SourceLanguage::c),
                                     document.textEncoding, height));
    case ExportFormat::assembler:
        return bytesOf(encodeAssembler(glyphs, first, sourceNameOf(name, languageOf(dialect)),
                                       dialect, document.textEncoding, height));
    case ExportFormat::basicData:
        return bytesOf(encodeBasicData(glyphs, first, identifierOf(name), height));
    case ExportFormat::mapCells:
        return encodeMap(document.mapCells, document.mapWidth, document.mapHeight);
    case ExportFormat::mapColors:
        return encodeMap(document.mapColors, document.mapWidth, document.mapHeight);
    case ExportFormat::mapPicture:
        return encodePng(encodeMapPicture(document));
    case ExportFormat::mapCSource:
        return bytesOf(encodeMapCSource(document, sourceNameOf(name, SourceLanguage::c)));
    }
    return {};
}

std::string exportProblem(const Document& document, ExportFormat format) {
    return format == ExportFormat::c64Font ? glyphHeightProblem(document, "A C64 font's") : "";
}

MachineFile encodeWork(const Document& document, WorkFormat format, const std::string& name) {
    if (std::string problem = glyphHeightProblem(document, ownerOf(format)); !problem.empty())
        return {{}, std::move(problem)};
    switch (format) {
    case WorkFormat::charpad:
        return {encodeCharpadProject(document), ""};
    case WorkFormat::vchar64:
        return {encodeVchar64Project(document), ""};
    case WorkFormat::petmate:
        return {encodePetmateFile(document), ""};
    case WorkFormat::c64Program:
        return encodeC64Program(document);
    case WorkFormat::atariExecutable:
        return encodeAtariExecutable(document);
    case WorkFormat::spectrumScreen:
        return encodeSpectrumScreen(document);
    case WorkFormat::spectrumTape:
        break;
    }
    // The block's name is the file's, without its folder and type (npos + 1 is the whole name).
    const std::string file = name.substr(name.find_last_of("/\\") + 1);
    return encodeSpectrumTape(document, file.substr(0, file.size() - extensionOf(file).size()));
}

std::vector<uint8_t> encodeCharsetPicture(const Document& document) {
    return encodeBmp(sheetOf(document, allGlyphs(document.charset)), noteOf(document));
}
