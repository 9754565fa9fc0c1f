#include "files/kept_record.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

namespace {

constexpr size_t cells = size_t(mapColumns) * mapRows;
// mark, version, the fields of the colourless version, the check sum
constexpr size_t version1Bytes = 8 + 4 + charsetBytes + cells + 2 + 4 + 4 + 1 + 1 + 1 + 1 + 1 + 4;
// and in the current versions before the check sum: the colour mode, the machine colours, the
// cells' colours and the pen
constexpr size_t machineColorBytes = 3 + atariRegisterCount + 2;
constexpr size_t encodinglessBytes = version1Bytes + 1 + machineColorBytes + cells + 1;
// and in the current version, then: whether the set names its own characters, the character of
// each code, the count of extra characters, and each of them with its code
constexpr size_t extraCharacterBytes = 4 + 1;
constexpr size_t recordBytes = encodinglessBytes + 1 + 4 * glyphCount + 2;

void put32(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(uint8_t(value >> shift));
}

uint32_t get32(std::span<const uint8_t> in, size_t at) {
    return uint32_t(in[at]) | uint32_t(in[at + 1]) << 8 | uint32_t(in[at + 2]) << 16 |
           uint32_t(in[at + 3]) << 24;
}

// Adler-32: enough to tell a damaged file from a whole one.
uint32_t checkSum(std::span<const uint8_t> bytes) {
    uint32_t a = 1, b = 0;
    for (const uint8_t byte : bytes) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return b << 16 | a;
}

SessionReading refused(const std::string& why) {
    return {{}, why};
}

// The machine colours in the order the file keeps them; Colors is MachineColors, const or not.
template <typename Colors> auto fieldsOf(Colors& colors) {
    auto& atari = colors.atari;
    return std::array{
        &colors.c64Background, &colors.c64Multi1,        &colors.c64Multi2, &atari[colbk],
        &atari[colpf0],        &atari[colpf1],           &atari[colpf2],    &atari[colpf3],
        &colors.c64Ink,        &colors.spectrumAttribute};
}

void putColors(std::vector<uint8_t>& out, const Session& session) {
    out.push_back(uint8_t(session.colorMode));
    for (const uint8_t* field : fieldsOf(session.machineColors)) out.push_back(*field);
    for (const auto& column : session.mapColors)
        out.insert(out.end(), column.begin(), column.end());
    out.push_back(session.pen);
}

// False when a field holds what gridlet never keeps: a mode or pen it lacks, a C64 colour
// beyond 15. Atari registers and cell colours take any byte (a cell's is a Spectrum attribute
// in one mode).
bool readColors(std::span<const uint8_t> file, size_t at, Session& session) {
    if (file[at] >= colorModeCount) return false;
    session.colorMode = ColorMode(file[at++]);
    MachineColors& colors = session.machineColors;
    static_assert(std::tuple_size_v<decltype(fieldsOf(colors))> == machineColorBytes);
    for (uint8_t* field : fieldsOf(colors)) *field = file[at++];
    for (auto& column : session.mapColors) {
        std::copy_n(file.begin() + ptrdiff_t(at), column.size(), column.begin());
        at += column.size();
    }
    session.pen = file[at];
    return session.pen <= 3 &&
           std::ranges::all_of(
               std::array{colors.c64Background, colors.c64Multi1, colors.c64Multi2, colors.c64Ink},
               [](uint8_t color) { return color < 16; });
}

bool isCharacter(uint32_t value) {
    return value <= 0x10FFFF && (value < 0xD800 || value > 0xDFFF);
}

void putEncoding(std::vector<uint8_t>& out, const TextEncoding& encoding) {
    out.push_back(encoding.own);
    for (const char32_t character : encoding.characters) put32(out, character);
    out.push_back(uint8_t(encoding.extraCount));
    out.push_back(uint8_t(encoding.extraCount >> 8));
    for (size_t i = 0; i < encoding.extraCount; ++i) {
        put32(out, encoding.extra[i].character);
        out.push_back(uint8_t(encoding.extra[i].code));
    }
}

// The extra characters a file of this size holds, or nothing when no count fits it.
std::optional<size_t> extraCountOf(std::span<const uint8_t> file) {
    if (file.size() < recordBytes) return std::nullopt;
    const size_t at = recordBytes - 4 - 2;
    const size_t count = size_t(file[at] | file[at + 1] << 8);
    if (file.size() != recordBytes + count * extraCharacterBytes) return std::nullopt;
    return count;
}

// False when the encoding holds what no character is, or more extra ones than gridlet keeps.
bool readEncoding(std::span<const uint8_t> file, size_t at, TextEncoding& encoding) {
    if (file[at] > 1) return false;
    encoding.own = file[at++];
    for (char32_t& character : encoding.characters) {
        character = get32(file, at);
        at += 4;
        if (!isCharacter(character)) return false;
    }
    const size_t count = size_t(file[at] | file[at + 1] << 8);
    at += 2;
    if (count > extraCharacterLimit) return false;
    encoding.extraCount = uint16_t(count);
    for (size_t i = 0; i < count; ++i, at += extraCharacterBytes) {
        encoding.extra[i] = {get32(file, at), file[at + 4]};
        if (encoding.extra[i].character == 0 || !isCharacter(encoding.extra[i].character))
            return false;
    }
    return true;
}

} // namespace

std::vector<uint8_t> encodeRecord(const RecordKind& kind, const Session& session) {
    std::vector<uint8_t> out(kind.mark.begin(), kind.mark.end());
    out.reserve(recordBytes);
    put32(out, kind.version);
    out.insert(out.end(), session.charset.begin(), session.charset.end());
    for (const auto& column : session.mapCells)
        for (const int32_t code : column) out.push_back(uint8_t(code));
    out.push_back(uint8_t(session.mapWidth));
    out.push_back(uint8_t(session.mapHeight));
    put32(out, session.paperColor);
    put32(out, session.inkColor);
    out.push_back(uint8_t(session.currentChar));
    out.push_back(uint8_t(session.range.begin));
    out.push_back(uint8_t(session.range.end));
    out.push_back(session.range.enabled ? 1 : 0);
    out.push_back(session.gridOnMap ? 1 : 0);
    putColors(out, session);
    putEncoding(out, session.textEncoding);
    put32(out, checkSum(out));
    return out;
}

SessionReading decodeRecord(const RecordKind& kind, std::span<const uint8_t> file) {
    const std::string noun = kind.noun;
    if (file.size() < kind.mark.size() + 4 ||
        !std::equal(kind.mark.begin(), kind.mark.end(), file.begin()))
        return refused("the file is no gridlet " + noun);
    const uint32_t version = get32(file, 8);
    const bool colorless = kind.colorlessVersion != 0 && version == kind.colorlessVersion;
    const bool encodingless =
        colorless || (kind.encodinglessVersion != 0 && version == kind.encodinglessVersion);
    if (version != kind.version && !encodingless)
        return refused("the " + noun + " was " + kind.written + " by another version of gridlet");
    const std::optional<size_t> extraCount = extraCountOf(file);
    if (encodingless ? file.size() != (colorless ? version1Bytes : encodinglessBytes) : !extraCount)
        return refused("the " + noun + " file is cut short or too long");
    const size_t size = file.size();
    if (get32(file, size - 4) != checkSum(file.first(size - 4)))
        return refused("the " + noun + " file is damaged");
    SessionReading reading;
    Session& session = reading.session;
    size_t at = 12;
    std::copy_n(file.begin() + ptrdiff_t(at), charsetBytes, session.charset.begin());
    at += charsetBytes;
    for (auto& column : session.mapCells)
        for (int32_t& code : column) code = file[at++];
    session.mapWidth = file[at++];
    session.mapHeight = file[at++];
    session.paperColor = get32(file, at) & 0xFFFFFF;
    session.inkColor = get32(file, at + 4) & 0xFFFFFF;
    at += 8;
    session.currentChar = file[at++];
    session.range = {file[at], file[at + 1], file[at + 2] != 0};
    session.gridOnMap = file[at + 3] != 0;
    at += 4;
    if (!colorless && !readColors(file, at, session))
        return refused("the " + noun + "'s colours are ones gridlet does not know");
    if (!encodingless && !readEncoding(file, encodinglessBytes - 4, session.textEncoding))
        return refused("the " + noun + "'s characters of the set are ones gridlet does not know");
    if (!isMapSize(session.mapWidth, session.mapHeight))
        return refused("the " + noun + "'s map has a size gridlet does not know");
    return reading;
}
