// A file that a machine loads to show the work: the bytes, or why the document cannot become one.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/document.h"

struct MachineFile {
    std::vector<uint8_t> bytes; // empty when there is a problem
    std::string problem;        // "" when the bytes are made
};

// Why the map does not fit the screen, e.g. "A C64 screen is 40 x 25 cells; the map is 32 x 24";
// "" when it is exactly the screen's size. The machine's screen is named with its article.
std::string screenSizeProblem(const Document& document, std::string_view screen, int width,
                              int height);
// Why the glyphs do not fit the machine's characters of 8 x 8 pixels, e.g. "A C64 program's
// characters are 8 x 8 pixels; the glyphs are 8 x 16"; "" when they are 8 rows tall. The file
// is named with its article, as it owns its characters.
std::string glyphHeightProblem(const Document& document, std::string_view file);
