#include "files/c64_program.h"

#include <algorithm>
#include <array>

#include "files/machine_code.h"
#include "files/map_file.h"

namespace {

constexpr int screenColumns = 40;
constexpr int screenRows = 25;
constexpr int screenCells = screenColumns * screenRows;

// Where the file loads and where the program puts things. The data stays below $2000, so it
// never overlaps the set it is copied to.
constexpr uint16_t basicStart = 0x0801;
constexpr uint16_t codeStart = 0x080E; // just past the BASIC line and its end marker
constexpr uint16_t setData = 0x0900;
constexpr uint16_t codesData = setData + machineCharsetBytes;
constexpr uint16_t colorsData = codesData + screenCells;
constexpr uint16_t dataEnd = colorsData + screenCells;
static_assert(dataEnd <= 0x2000);

// Bank 0 with the screen at $0400 and the set at $2000, where the VIC-II sees RAM.
constexpr uint16_t screen = 0x0400;
constexpr uint16_t shownSet = 0x2000;
constexpr uint8_t screenAndSet = 0x18;
constexpr uint16_t colorRam = 0xD800;

constexpr uint16_t shiftCommodoreLock = 0x0291; // $80: shift and C= no longer switch the case
constexpr uint16_t ciaBank = 0xDD00;            // bits 0 and 1 set: VIC-II bank 0
constexpr uint16_t vicControl1 = 0xD011;
constexpr uint8_t textScreenOn = 0x1B; // 25 rows, display on, no bitmap or extended colour
constexpr uint16_t vicControl2 = 0xD016;
constexpr uint8_t fortyColumns = 0x08;
constexpr uint8_t multicolorBit = 0x10;
constexpr uint16_t vicMemory = 0xD018;
constexpr uint16_t borderColor = 0xD020;
constexpr uint16_t backgroundColor = 0xD021;
constexpr uint16_t multicolor1 = 0xD022;
constexpr uint16_t multicolor2 = 0xD023;

constexpr uint8_t sysToken = 0x9E;

bool isC64Mode(ColorMode mode) {
    return mode == ColorMode::c64Single || mode == ColorMode::c64Multi;
}

// 10 SYS 2062, tokenised as BASIC v2 keeps it, then the end of the program.
std::vector<uint8_t> basicLine() {
    const std::string address = " " + std::to_string(codeStart);
    const uint16_t next = uint16_t(basicStart + 2 + 2 + 1 + address.size() + 1);
    std::vector<uint8_t> line{uint8_t(next & 0xFF), uint8_t(next >> 8), 10, 0, sysToken};
    // Byte by byte: GCC 12 at -O2 takes a range insert here for one past the end.
    for (const char digit : address) line.push_back(uint8_t(digit));
    for (int end = 0; end < 3; ++end) line.push_back(0);
    return line;
}

std::vector<uint8_t> program(const Document& document) {
    const MachineColors& colors = document.machineColors;
    MachineCode code(codeStart);
    code.store(shiftCommodoreLock, 0x80);
    code.copy(setData, shownSet, machineCharsetBytes);
    code.copy(codesData, screen, screenCells);
    code.copy(colorsData, colorRam, screenCells);
    code.absolute(opcode::ldaAbsolute, ciaBank);
    code.immediate(opcode::oraImmediate, 0x03);
    code.absolute(opcode::staAbsolute, ciaBank);
    code.store(vicControl1, textScreenOn);
    const bool multi = document.colorMode == ColorMode::c64Multi;
    code.store(vicControl2, uint8_t(fortyColumns | (multi ? multicolorBit : 0)));
    code.store(vicMemory, screenAndSet);
    code.store(borderColor, document.c64Border & 15);
    code.store(backgroundColor, colors.c64Background & 15);
    code.store(multicolor1, colors.c64Multi1 & 15);
    code.store(multicolor2, colors.c64Multi2 & 15);
    code.waitForever();
    return code.bytes();
}

// Colour RAM keeps the low nibble; in multicolour its bit 3 makes the cell multicolour.
std::vector<uint8_t> cellColors(const Document& document) {
    if (!isC64Mode(document.colorMode))
        return std::vector<uint8_t>(screenCells, document.machineColors.c64Ink & 15);
    std::vector<uint8_t> colors =
        encodeMap(document.mapColors, document.mapWidth, document.mapHeight);
    for (uint8_t& color : colors) color &= 15;
    return colors;
}

} // namespace

MachineFile encodeC64Program(const Document& document) {
    std::string problem = screenSizeProblem(document, "A C64 screen", screenColumns, screenRows);
    if (!problem.empty()) return {{}, problem};

    std::vector<uint8_t> bytes{basicStart & 0xFF, basicStart >> 8};
    const auto place = [&bytes](uint16_t address, const auto& data) {
        bytes.resize(size_t(address - basicStart + 2));
        bytes.insert(bytes.end(), data.begin(), data.end());
    };
    place(basicStart, basicLine());
    place(codeStart, program(document));
    place(setData, allGlyphs(document.charset));
    place(codesData, encodeMap(document.mapCells, document.mapWidth, document.mapHeight));
    place(colorsData, cellColors(document));
    return {bytes, ""};
}
