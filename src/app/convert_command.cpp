#include "app/convert_command.h"

#include <memory>

#include "app/app_state.h"
#include "app/convert_arguments.h"
#include "app/convert_help.h"
#include "app/export_encoding.h"
#include "app/font_loading.h"
#include "app/glyph_commands.h"
#include "app/program_title.h"
#include "app/whole_files.h"
#include "files/font_file.h"

using namespace toolkit;

namespace {

ExportFormat exportFormatOf(OutputFormat format) {
    switch (format) {
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
    case OutputFormat::rawFont: {
        // The arguments were checked to fit, as the Save items check before they ask.
        const auto bytes =
            encodeFont(document.charset, state.editor.currentChar(), conversion.fontBytes);
        return bytes && writeFile(conversion.output, *bytes);
    }
    default:
        return writeFile(conversion.output,
                         encodeExport(document, exportFormatOf(conversion.format),
                                      conversion.output, conversion.dialect));
    }
}

int convert(const Conversion& conversion, std::string& said) {
    const auto state = std::make_unique<AppState>();
    Editor& editor = state->editor;
    if (conversion.charset) loadCharset(editor, state->windows, *conversion.charset);
    if (!conversion.input.empty()) {
        const Document& document = editor.document();
        const FontFileLoad load = readFontFile(conversion.input, glyphLook(document));
        if (!load.loaded()) {
            said += "gridlet: " + load.failure + ": " + load.failureText + "\n";
            return inputUnreadable;
        }
        const std::string note = placeFontReading(editor, load.reading);
        if (!note.empty())
            said += "gridlet: Open File: " + loadNoteText(conversion.input, note) + "\n";
    }
    editor.changeRange() = conversion.range;
    if (conversion.range.enabled) editor.setCurrentChar(conversion.range.low());
    if (!writeOutput(*state, conversion)) {
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
