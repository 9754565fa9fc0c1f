#include "files/machine_file.h"

std::string screenSizeProblem(const Document& document, std::string_view screen, int width,
                              int height) {
    if (document.mapWidth == width && document.mapHeight == height) return {};
    return std::string(screen) + " is " + std::to_string(width) + " x " + std::to_string(height) +
           " cells; the map is " + std::to_string(document.mapWidth) + " x " +
           std::to_string(document.mapHeight);
}

std::string glyphHeightProblem(const Document& document, std::string_view file) {
    if (document.charset.height == machineGlyphHeight) return {};
    return std::string(file) + " characters are 8 x 8 pixels; the glyphs are 8 x " +
           std::to_string(document.charset.height);
}
