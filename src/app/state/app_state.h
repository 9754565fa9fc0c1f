// The one record of program state. Every procedure of the editor reads and writes it; the
// toolkit owns the windows, gadgets, menus and images, the state holds only their numbers.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "toolkit/drawing.h"

constexpr int charsetBytes = 2048;
constexpr int mapColumns = 81; // storage: 80 visible columns at most, plus the hidden one
constexpr int mapRows = 51;    // storage: 50 visible rows at most, plus the hidden one

using Charset = std::array<uint8_t, charsetBytes>;
using Glyph = std::span<uint8_t, 8>;
using MapCells = std::array<std::array<int32_t, mapRows>, mapColumns>; // [column][row]

// Window numbers.
enum WindowNumber : int { mainWindow = 0, mapWindow = 1 };

// Gadget numbers.
enum GadgetNumber : int {
    charsetView = 0,
    glyphEditor = 1,
    mapView = 2,
    dataField = 3,
    rangeCheckbox = 4,
    beginRangeTrackbar = 5,
    endRangeTrackbar = 6,
    beginRangeLabel = 7,
    endRangeLabel = 8,
    shiftLeftButton = 9,
    shiftRightButton = 10,
    shiftUpButton = 11,
    shiftDownButton = 12,
};

// Menu numbers.
enum MenuNumber : int { mainMenu = 0, rangePopupMenu = 2, mapPopupMenu = 3 };

// dragSource of a drag that began outside the table of glyphs.
constexpr int32_t noDragSource = -1;

// Image numbers.
enum ImageNumber : int { charsetImage = 0, dragImage = 1 };

struct AppState {
    Charset charset{};
    uint8_t currentChar = 0;
    int32_t cursorColumn = 0;
    int32_t cursorRow = 0;
    toolkit::Color paperColor = 0x000000;
    toolkit::Color inkColor = 0xFFFFFF;
    int32_t mapWidth = 40;
    int32_t mapHeight = 24;
    MapCells mapCells{};
    bool mapWindowAvailable = false;
    bool gridOnMap = true;
    bool atariCodes = false;
    std::array<int32_t, 256> bitReverse{};
    std::array<uint8_t, 9> rotateBuffer{};
    bool dragActive = false;
    int32_t dragSource = 0;
    int32_t popupColumn = -1;
    int32_t popupRow = -1;
    int32_t rangeLow = 0;
    int32_t rangeHigh = 0;
    std::string lastFolder;
    std::string mapFileName;
    std::string baseTitle;
    int32_t mapMargin = 10;

    Glyph glyph(int code) { return Glyph(charset.data() + 8 * (code & 0xFF), 8); }
};
