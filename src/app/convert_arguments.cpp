#include "app/convert_arguments.h"

#include <algorithm>
#include <charconv>

#include "files/font_file.h"
#include "files/font_formats.h"

namespace {

constexpr std::array<std::string_view, 5> valueOptions{"--size", "--range", "--asm", "--charset",
                                                       "--height"};
constexpr std::array<std::string_view, 5> flagOptions{"--convert", "--map", "--help", "-h",
                                                      "--version"};

struct NamedFormat {
    std::string_view extension;
    OutputFormat format;
    Assembler dialect; // for assembler sources: the dialect of the menu's file type
};

constexpr std::array<NamedFormat, 20> outputFormats{{
    {".fnt", OutputFormat::rawFont, Assembler::ca65},
    {".bin", OutputFormat::rawFont, Assembler::ca65},
    {".ch8", OutputFormat::rawFont, Assembler::ca65},
    {".chr", OutputFormat::rawFont, Assembler::ca65},
    {".rom", OutputFormat::rawFont, Assembler::ca65},
    {".64c", OutputFormat::c64Font, Assembler::ca65},
    {".psf", OutputFormat::psf, Assembler::ca65},
    {".bdf", OutputFormat::bdf, Assembler::ca65},
    {".png", OutputFormat::png, Assembler::ca65},
    {".bmp", OutputFormat::bmp, Assembler::ca65},
    {".c", OutputFormat::cSource, Assembler::ca65},
    {".h", OutputFormat::cSource, Assembler::ca65},
    {".s", OutputFormat::assembler, Assembler::ca65},
    {".a", OutputFormat::assembler, Assembler::acme},
    {".asm", OutputFormat::assembler, Assembler::z80Defb},
    {".z80", OutputFormat::assembler, Assembler::z80Db},
    {".bas", OutputFormat::basicData, Assembler::ca65},
    {".gridlet", OutputFormat::project, Assembler::ca65},
    {".map", OutputFormat::map, Assembler::ca65},
    {".col", OutputFormat::mapColors, Assembler::ca65},
}};

struct NamedWork {
    std::string_view extension;
    WorkFormat work;
};

constexpr std::array<NamedWork, 7> workFormats{{
    {".ctm", WorkFormat::charpad},
    {".vchar64proj", WorkFormat::vchar64},
    {".petmate", WorkFormat::petmate},
    {".prg", WorkFormat::c64Program},
    {".xex", WorkFormat::atariExecutable},
    {".scr", WorkFormat::spectrumScreen},
    {".tap", WorkFormat::spectrumTape},
}};

bool isMapOutput(OutputFormat format) {
    return format == OutputFormat::map || format == OutputFormat::mapColors ||
           format == OutputFormat::mapPicture || format == OutputFormat::mapCSource;
}

struct NamedDialect {
    std::string_view name;
    Assembler dialect;
};
constexpr std::array<NamedDialect, 4> dialects{{{"ca65", Assembler::ca65},
                                                {"acme", Assembler::acme},
                                                {"z80", Assembler::z80Defb},
                                                {"z80-db", Assembler::z80Db}}};

bool isOption(std::string_view argument) {
    const auto named = [&](std::string_view option) {
        return argument == option ||
               (argument.starts_with(option) && argument.size() > option.size() &&
                argument[option.size()] == '=');
    };
    return std::ranges::any_of(valueOptions, named) ||
           std::ranges::find(flagOptions, argument) != flagOptions.end();
}

// A whole decimal number, or nothing.
std::optional<int> numberOf(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// FIRST-LAST, two codes 0..255 in either order.
std::optional<Range> rangeOf(std::string_view text) {
    const size_t dash = text.find('-');
    if (dash == std::string_view::npos) return std::nullopt;
    const std::optional<int> first = numberOf(text.substr(0, dash));
    const std::optional<int> last = numberOf(text.substr(dash + 1));
    const auto code = [](std::optional<int> value) {
        return value && *value >= 0 && *value < glyphCount;
    };
    if (!code(first) || !code(last)) return std::nullopt;
    return Range{*first, *last, true};
}

std::string charsetNames() {
    std::string names;
    for (const NamedCharset& named : namedCharsets)
        names += (names.empty() ? "" : ", ") + std::string(named.name);
    return names;
}

// Takes the option's value; says why it is wrong, or "".
std::string takeValue(Conversion& conversion, std::string_view option, std::string_view value) {
    if (option == "--size") {
        const std::optional<int> bytes = numberOf(value);
        if (bytes != zxFontBytes && bytes != 1024 && bytes != machineCharsetBytes)
            return "--size takes 768, 1024 or 2048, not '" + std::string(value) + "'";
        conversion.fontBytes = *bytes;
    } else if (option == "--height") {
        const std::optional<int> height = numberOf(value);
        if (!height || !isGlyphHeight(*height))
            return "--height takes a number of rows from 1 to 32, not '" + std::string(value) + "'";
        conversion.height = *height;
    } else if (option == "--range") {
        const std::optional<Range> range = rangeOf(value);
        if (!range)
            return "--range takes FIRST-LAST, two codes from 0 to 255, not '" + std::string(value) +
                   "'";
        conversion.range = *range;
    } else if (option == "--asm") {
        const auto found = std::ranges::find(dialects, value, &NamedDialect::name);
        if (found == dialects.end())
            return "--asm takes ca65, acme, z80 or z80-db, not '" + std::string(value) + "'";
        conversion.dialect = found->dialect;
    } else {
        const auto found = std::ranges::find(namedCharsets, value, &NamedCharset::name);
        if (found == namedCharsets.end())
            return "no built-in set is called '" + std::string(value) + "'; there are " +
                   charsetNames();
        conversion.charset = found->charset;
    }
    return "";
}

// What the options and names given make of the conversion; why they do not fit, or "".
std::string checkConversion(Conversion& conversion, const std::vector<std::string>& given,
                            const std::vector<std::string>& names) {
    if (names.size() != 2) return "--convert takes an INPUT and an OUTPUT";
    conversion.input = names[0] == "-" ? "" : names[0];
    conversion.output = names[1];
    if (conversion.input.empty() && !conversion.charset)
        return "- as the INPUT needs --charset: there is nothing else to convert";
    const std::string extension = extensionOf(conversion.output);
    const auto found = std::ranges::find(outputFormats, extension, &NamedFormat::extension);
    const auto work = std::ranges::find(workFormats, extension, &NamedWork::extension);
    if (work != workFormats.end()) {
        conversion.format = OutputFormat::work;
        conversion.work = work->work;
    } else if (found != outputFormats.end()) {
        conversion.format = found->format;
    } else {
        return "the OUTPUT's type " + (extension.empty() ? "(none)" : extension) +
               " is no format gridlet writes";
    }
    const auto isGiven = [&](std::string_view option) {
        return std::ranges::find(given, option) != given.end();
    };
    if (!isGiven("--asm") && found != outputFormats.end()) conversion.dialect = found->dialect;
    if (isGiven("--map")) {
        if (conversion.format == OutputFormat::png)
            conversion.format = OutputFormat::mapPicture;
        else if (conversion.format == OutputFormat::cSource)
            conversion.format = OutputFormat::mapCSource;
        else if (!isMapOutput(conversion.format))
            return "--map is for the map's picture (.png) and C source (.c, .h)";
    }
    if (isGiven("--asm") && conversion.format != OutputFormat::assembler)
        return "--asm is for assembler sources (.s, .a, .asm, .z80)";
    if (isGiven("--size") && conversion.format != OutputFormat::rawFont)
        return "--size is for raw fonts (.fnt, .bin, .ch8, .chr, .rom)";
    if (conversion.range.enabled && conversion.format == OutputFormat::bmp)
        return "--range is not for .bmp, the picture of the whole set";
    if (conversion.range.enabled && conversion.format == OutputFormat::project)
        return "--range is not for .gridlet, the project of the whole set";
    if (conversion.range.enabled && conversion.format == OutputFormat::work)
        return "--range is not for " + extension + ", which holds the whole set and the map";
    if (conversion.range.enabled && isMapOutput(conversion.format))
        return "--range is for the glyphs, not for the map";
    const int first = conversion.range.enabled ? conversion.range.low() : 0;
    if (conversion.format == OutputFormat::rawFont &&
        first * machineGlyphHeight + conversion.fontBytes > machineCharsetBytes)
        return "out of size: " + std::to_string(conversion.fontBytes) + " bytes from glyph " +
               std::to_string(first) + " run past glyph 255";
    return "";
}

} // namespace

const std::array<NamedCharset, 10> namedCharsets{{
    {"ibm-pc-cga", BuiltinCharset::ibmPcCga},
    {"ibm-pc-866", BuiltinCharset::ibmPc866},
    {"zx-spectrum", BuiltinCharset::zxSpectrum},
    {"zx80", BuiltinCharset::zx80},
    {"jupiter-ace", BuiltinCharset::jupiterAce},
    {"c64-caps", BuiltinCharset::c64Caps},
    {"c64-lower", BuiltinCharset::c64Lower},
    {"atari-xl", BuiltinCharset::atariXl},
    {"microsha", BuiltinCharset::microsha},
    {"hex-numbers", BuiltinCharset::hexNumbers},
}};

bool isCommandLineConversion(const std::vector<std::string>& arguments) {
    return std::ranges::any_of(arguments, [](const std::string& a) { return isOption(a); });
}

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    std::vector<std::string> given; // the options, without their values
    std::vector<std::string> names;
    bool optionsEnded = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument == "-" || !argument.starts_with("-")) {
            names.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        const size_t equals = argument.find('=');
        const std::string option = argument.substr(0, equals);
        given.push_back(option);
        if (std::ranges::find(flagOptions, argument) != flagOptions.end()) continue;
        std::string why;
        if (std::ranges::find(valueOptions, option) == valueOptions.end())
            why = "unknown option '" + argument + "'";
        else if (equals != std::string::npos)
            why = takeValue(line.conversion, option, argument.substr(equals + 1));
        else if (i + 1 < arguments.size())
            why = takeValue(line.conversion, option, arguments[++i]);
        else
            why = option + " needs a value";
        if (line.error.empty()) line.error = why;
    }
    const auto isGiven = [&](std::string_view option) {
        return std::ranges::find(given, option) != given.end();
    };
    if (isGiven("--help") || isGiven("-h")) {
        line.request = CommandLine::Request::help;
        line.error.clear();
    } else if (isGiven("--version")) {
        line.request = CommandLine::Request::version;
        line.error.clear();
    } else if (line.error.empty() && !isGiven("--convert")) {
        line.error = "the options are those of --convert, which is missing";
    } else if (line.error.empty()) {
        line.error = checkConversion(line.conversion, given, names);
    }
    return line;
}
