// gridlet --convert: one font file to another from the command line, with no window, through
// the readers and writers of the menus' own commands.
#pragma once

#include <string>
#include <vector>

enum ConversionStatus : int {
    conversionDone = 0,
    inputUnreadable = 1,
    usageError = 2,
    outputUnwritable = 3,
};

struct ConversionRun {
    int status = conversionDone; // the exit status
    std::string printed;         // for standard output: the help or the version
    std::string said;            // for standard error: what went wrong, and notes
};

// Does what the arguments ask: the conversion, the help or the version.
ConversionRun runConversion(const std::vector<std::string>& arguments);
