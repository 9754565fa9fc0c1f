#include "app/convert_command.h"

#include <memory>
#include <optional>

#include "app/app_state.h"
#include "app/convert_arguments.h"
#include "app/convert_help.h"
#include "app/export_encoding.h"
#include "app/file_loading.h"
#include "app/font_loading.h"
#include "app/glyph_commands.h"
#include "app/program_title.h"
#include "app/project_commands.h"
#include "app/session_commands.h"
#include "app/whole_files.h"
#include "charmap/map_edits.h"
#include "files/font_file.h"
#include "files/project_file.h"

using namespace toolkit;

namespace {

ExportFormat exportFormatOf(OutputFormat format) {
    switch (format) {
    case OutputFormat::map:
        return ExportFormat::mapCells;
    case OutputFormat::mapColors:
        return ExportFormat::mapColors;
    case OutputFormat::mapPicture:
        return ExportFormat::mapPicture;
    case OutputFormat::mapCSource:
        return ExportFormat::mapCSource;
    case OutputFormat::png:
        return ExportFormat::png;
    case OutputFormat::psf:
        return ExportFormat::psf;
    case OutputFormat::bdf:
        return ExportFormat::bdf;
    case OutputFormat::c64Font:
        return ExportFormat::c64Font;
    case OutputFormat::cSource:
        return ExportFormat::cSource;
    case OutputFormat::assembler:
        return ExportFormat::assembler;
    default:
        return ExportFormat::basicData;
    }
}

bool writeOutput(const AppState& state, const Conversion& conversion) {
    const Document& document = state.editor.document();
    switch (conversion.format) {
    case OutputFormat::bmp:
        return writeFile(conversion.output, encodeCharsetPicture(document));
    case OutputFormat::project:
        return writeFile(conversion.output, encodeProject(sessionOf(state.editor)));
    case OutputFormat::rawFont: {
        // The arguments were checked to fit, as the Save items check before they ask.
        const auto bytes = encodeFont(document.charset, state.editor.currentChar(),
                                      conversion.fontBytes / machineGlyphHeight);
        return bytes && writeFile(conversion.output, *bytes);
    }
    default:
        return writeFile(conversion.output,
                         encodeExport(document, exportFormatOf(conversion.format),
                                      conversion.output, conversion.dialect));
    }
}

// A project, gridlet's or another editor's, puts all of itself in the editor; any other file its
// glyphs, as Open reads it from glyph 0. False when it cannot be read, and `said` tells why.
bool readInput(Editor& editor, const std::string& input, std::optional<int> height,
               std::string& said) {
    if (useOfFile(input, FileUse::font) == FileUse::project) {
        // With no one to ask, a file of several screens gives its first.
        const ProjectFileReading reading = readProjectFile(
            input, sessionOf(editor), [](const std::vector<std::string>&) { return 0; });
        if (!reading.project) {
            said += "gridlet: Open File: " + reading.failureText + "\n";
            return false;
        }
        placeSessionFields(editor, *reading.project);
        if (!reading.note.empty()) said += "gridlet: Open File: " + reading.note + "\n";
        return true;
    }
    const FontFileLoad load = readFontFile(input, glyphLook(editor.document()),
                                           height.value_or(editor.document().charset.height));
    if (!load.loaded()) {
        said += "gridlet: " + load.failure + ": " + load.failureText + "\n";
        return false;
    }
    const std::string note = placeFontReading(editor, load.reading);
    if (!note.empty()) said += "gridlet: Open File: " + loadNoteText(input, note) + "\n";
    return true;
}

int convert(const Conversion& conversion, std::string& said) {
    const auto state = std::make_unique<AppState>();
    Editor& editor = state->editor;
    fillStartMap(editor.changeCells()); // as the program starts
    if (conversion.charset) loadCharset(editor, state->windows, *conversion.charset);
    if (!conversion.input.empty() && !readInput(editor, conversion.input, conversion.height, said))
        return inputUnreadable;
    // A project written keeps every field, as the whole work does for another editor or a
    // machine; the others write the glyphs of the range given, or all.
    if (conversion.format != OutputFormat::project && conversion.format != OutputFormat::work) {
        editor.changeRange() = conversion.range;
        editor.setCurrentChar(conversion.range.enabled ? conversion.range.low() : 0);
    }
    bool written = false;
    if (conversion.format == OutputFormat::work) {
        const MachineFile file = encodeWork(editor.document(), conversion.work, conversion.output);
        if (!file.problem.empty()) {
            said += "gridlet: Export: " + file.problem + ".\n";
            return outputUnwritable;
        }
        written = writeFile(conversion.output, file.bytes);
    } else if (const std::string problem =
                   exportProblem(editor.document(), exportFormatOf(conversion.format));
               !problem.empty()) {
        said += "gridlet: Export: " + problem + ".\n";
        return outputUnwritable;
    } else {
        written = writeOutput(*state, conversion);
    }
    if (!written) {
        said += "gridlet: Save file: " + saveFailedText(conversion.output) + "\n";
        return outputUnwritable;
    }
    return conversionDone;
}

} // namespace

ConversionRun runConversion(const std::vector<std::string>& arguments) {
    const CommandLine line = parseCommandLine(arguments);
    ConversionRun run;
    if (line.request == CommandLine::Request::help) {
        run.printed = conversionHelp();
    } else if (line.request == CommandLine::Request::version) {
        run.printed = std::string(programTitle) + "\n";
    } else if (!line.error.empty()) {
        run.status = usageError;
        run.said = "gridlet: " + line.error + "\nTry 'gridlet --help'.\n";
    } else {
        run.status = convert(line.conversion, run.said);
    }
    return run;
}
