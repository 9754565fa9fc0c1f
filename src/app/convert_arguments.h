// The command line of a conversion: gridlet --convert [options] INPUT OUTPUT, read into what to
// do, or why it is no command gridlet knows.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/export_encoding.h"
#include "files/builtin_charsets.h"
#include "files/source_text.h"
#include "model/document.h"

// What the output's name asks for, with --map for the map's picture and C source.
enum class OutputFormat {
    rawFont,
    c64Font,
    psf,
    bdf,
    png,
    bmp,
    cSource,
    assembler,
    basicData,
    project,
    map,
    mapColors,
    mapPicture,
    mapCSource,
    work, // for another editor or a machine, as Conversion::work says
};

struct Conversion {
    std::string input; // "" for none: the name "-"
    std::string output;
    OutputFormat format = OutputFormat::rawFont;
    std::optional<BuiltinCharset> charset; // loaded before the input
    int fontBytes = 2048; // of a raw font at 8 rows a glyph: written at the set's height
    // The rows of a raw font's glyphs (and a picture's without gridlet's note); the set's when
    // not given.
    std::optional<int> height;
    Range range; // enabled when --range was given
    Assembler dialect = Assembler::ca65;
    WorkFormat work = WorkFormat::charpad;
};

struct CommandLine {
    enum class Request { convert, help, version };
    Request request = Request::convert;
    Conversion conversion;
    std::string error; // why the arguments make no command; "" when they make one
};

// The command-line names of the built-in sets, in the order of the menu.
struct NamedCharset {
    std::string_view name;
    BuiltinCharset charset;
};
extern const std::array<NamedCharset, 10> namedCharsets;

// True when the arguments ask for a conversion, the help or the version rather than the editor:
// one of them is an option of the conversion. A file name alone, or nothing, starts the editor.
bool isCommandLineConversion(const std::vector<std::string>& arguments);
CommandLine parseCommandLine(const std::vector<std::string>& arguments);
