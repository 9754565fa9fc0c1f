#include "files/atari_executable.h"

#include <array>

#include "files/machine_code.h"
#include "files/map_file.h"

namespace {

constexpr int screenColumns = 40;
constexpr int screenRows = 24;
constexpr int screenCells = screenColumns * screenRows;
constexpr int shownGlyphs = 128;
constexpr int shownSetBytes = shownGlyphs * machineGlyphHeight;

// One segment loads everything where it stays, above DOS and below any cartridge or the OS's
// own screen: the set on a 1 KiB boundary, the screen inside one 4 KiB block, the display list
// inside one 1 KiB block, then the code.
constexpr uint16_t shownSet = 0x4000;
constexpr uint16_t screen = shownSet + shownSetBytes;
constexpr uint16_t displayList = screen + screenCells;
constexpr int displayListBytes = 3 + 3 + (screenRows - 1) + 3;
constexpr uint16_t codeStart = displayList + displayListBytes;
static_assert(shownSet % 0x400 == 0);
static_assert(screen / 0x1000 == (screen + screenCells - 1) / 0x1000);
static_assert(displayList / 0x400 == (displayList + displayListBytes - 1) / 0x400);

// The OS's shadow registers, which it copies to the hardware at every vertical blank.
constexpr uint16_t attract = 0x004D;
constexpr uint16_t sdmctl = 0x022F;
constexpr uint8_t noDma = 0x00;
constexpr uint8_t normalPlayfield = 0x22; // normal width, display list DMA on
constexpr uint16_t sdlstl = 0x0230;
constexpr uint16_t color0 = 0x02C4; // COLOR0..COLOR3 are PF0..PF3, COLOR4 the background
constexpr uint16_t chact = 0x02F3;
constexpr uint8_t inverseShown = 0x02;
constexpr uint16_t chbas = 0x02F4;
constexpr uint16_t runAddress = 0x02E0;

constexpr uint8_t blank8Lines = 0x70;
constexpr uint8_t loadScreen = 0x40;
constexpr uint8_t jumpAtBlank = 0x41;

uint8_t low(uint16_t word) {
    return uint8_t(word & 0xFF);
}
uint8_t high(uint16_t word) {
    return uint8_t(word >> 8);
}

std::vector<uint8_t> displayListBytesFor(uint8_t mode) {
    std::vector<uint8_t> list{blank8Lines, blank8Lines, blank8Lines, uint8_t(loadScreen | mode),
                              low(screen), high(screen)};
    list.insert(list.end(), screenRows - 1, mode);
    list.insert(list.end(), {jumpAtBlank, low(displayList), high(displayList)});
    return list;
}

std::vector<uint8_t> program(const Document& document) {
    const auto& registers = document.machineColors.atari;
    MachineCode code(codeStart);
    // The display off while its pointer is half written, should a vertical blank come between.
    code.store(sdmctl, noDma);
    code.store(sdlstl, low(displayList));
    code.store(sdlstl + 1, high(displayList));
    code.store(chbas, high(shownSet));
    code.store(chact, inverseShown);
    const std::array order{colpf0, colpf1, colpf2, colpf3, colbk};
    for (size_t i = 0; i < order.size(); ++i)
        code.store(uint16_t(color0 + i), registers[size_t(order[i])]);
    code.store(sdmctl, normalPlayfield);
    // Attract mode would cycle the colours after a few minutes without a key.
    const uint16_t wait = code.here();
    code.store(attract, 0);
    code.absolute(opcode::jmpAbsolute, wait);
    return code.bytes();
}

void appendSegment(std::vector<uint8_t>& file, uint16_t start, const std::vector<uint8_t>& data) {
    const auto end = uint16_t(start + data.size() - 1);
    file.insert(file.end(), {low(start), high(start), low(end), high(end)});
    file.insert(file.end(), data.begin(), data.end());
}

} // namespace

MachineFile encodeAtariExecutable(const Document& document) {
    std::string problem = screenSizeProblem(document, "An Atari screen", screenColumns, screenRows);
    if (!problem.empty()) return {{}, problem};

    const uint8_t mode = document.colorMode == ColorMode::atari4 ? 4 : 2;
    const std::span<const uint8_t> set = allGlyphs(document.charset).first(shownSetBytes);
    std::vector<uint8_t> loaded(set.begin(), set.end());
    const std::vector<uint8_t> codes =
        encodeMap(document.mapCells, document.mapWidth, document.mapHeight);
    loaded.insert(loaded.end(), codes.begin(), codes.end());
    const std::vector<uint8_t> list = displayListBytesFor(mode);
    loaded.insert(loaded.end(), list.begin(), list.end());
    const std::vector<uint8_t> code = program(document);
    loaded.insert(loaded.end(), code.begin(), code.end());

    std::vector<uint8_t> file{0xFF, 0xFF};
    appendSegment(file, shownSet, loaded);
    appendSegment(file, runAddress, {low(codeStart), high(codeStart)});
    return {file, ""};
}
