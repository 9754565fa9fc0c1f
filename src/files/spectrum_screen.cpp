#include "files/spectrum_screen.h"

#include "files/map_file.h"

namespace {

constexpr int screenColumns = 32;
constexpr int screenRows = 24;
constexpr int bitmapBytes = screenColumns * screenRows * machineGlyphHeight;
constexpr int screenBytes = bitmapBytes + screenColumns * screenRows;
constexpr uint16_t screenAddress = 16384;

// The Spectrum's thirds of the screen interleave pixel rows: y = 64 * third + 8 * row + line
// lives at third * 2048 + line * 256 + row * 32.
size_t bitmapOffset(int column, int y) {
    return size_t(((y & 0xC0) << 5) | ((y & 7) << 8) | ((y & 0x38) << 2) | column);
}

uint8_t attribute(const Document& document, int column, int row) {
    if (document.colorMode == ColorMode::spectrum)
        return document.mapColors[size_t(column)][size_t(row)];
    return document.machineColors.spectrumAttribute;
}

std::vector<uint8_t> screenOf(const Document& document) {
    std::vector<uint8_t> screen(screenBytes);
    for (int row = 0; row < screenRows; ++row)
        for (int column = 0; column < screenColumns; ++column) {
            const GlyphRows glyph = document.glyph(document.mapCells[size_t(column)][size_t(row)]);
            for (int line = 0; line < machineGlyphHeight; ++line)
                screen[bitmapOffset(column, row * machineGlyphHeight + line)] = glyph[size_t(line)];
            screen[size_t(bitmapBytes + row * screenColumns + column)] =
                attribute(document, column, row);
        }
    return screen;
}

std::string problemOf(const Document& document) {
    return screenSizeProblem(document, "A Spectrum screen", screenColumns, screenRows);
}

// A block as the ROM saves it: its length, then the flag, the bytes and their XOR.
void appendBlock(std::vector<uint8_t>& tape, uint8_t flag, const std::vector<uint8_t>& data) {
    const size_t length = data.size() + 2;
    tape.push_back(uint8_t(length & 0xFF));
    tape.push_back(uint8_t(length >> 8));
    tape.push_back(flag);
    tape.insert(tape.end(), data.begin(), data.end());
    uint8_t check = flag;
    for (const uint8_t byte : data) check ^= byte;
    tape.push_back(check);
}

void appendWord(std::vector<uint8_t>& bytes, uint16_t word) {
    bytes.push_back(uint8_t(word & 0xFF));
    bytes.push_back(uint8_t(word >> 8));
}

constexpr uint8_t headerFlag = 0x00;
constexpr uint8_t dataFlag = 0xFF;
constexpr uint8_t bytesType = 3;
constexpr size_t nameLength = 10;
constexpr uint16_t unusedParameter = 32768;

std::vector<uint8_t> header(std::string_view name) {
    std::vector<uint8_t> bytes{bytesType};
    for (size_t i = 0; i < nameLength; ++i) {
        const char c = i < name.size() ? name[i] : ' ';
        // Outside printable ASCII the Spectrum's characters differ, and '`' is its pound sign.
        const bool same = c >= ' ' && c <= '~' && c != '`';
        bytes.push_back(uint8_t(same ? c : '?'));
    }
    appendWord(bytes, screenBytes);
    appendWord(bytes, screenAddress);
    appendWord(bytes, unusedParameter);
    return bytes;
}

} // namespace

MachineFile encodeSpectrumScreen(const Document& document) {
    std::string problem = problemOf(document);
    if (!problem.empty()) return {{}, problem};
    return {screenOf(document), ""};
}

MachineFile encodeSpectrumTape(const Document& document, std::string_view name) {
    std::string problem = problemOf(document);
    if (!problem.empty()) return {{}, problem};
    std::vector<uint8_t> tape;
    appendBlock(tape, headerFlag, header(name));
    appendBlock(tape, dataFlag, screenOf(document));
    return {tape, ""};
}
