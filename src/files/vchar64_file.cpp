#include "files/vchar64_file.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {

constexpr std::string_view mark = "VChar";
constexpr uint8_t newestVersion = 3;
constexpr size_t headerBytes = 32;
constexpr size_t tileColorBytes = 256; // one colour for each of the 256 tiles
// Beyond this many cells a map is refused rather than laid out: it would take hundreds of MiB.
constexpr size_t largestMapCells = size_t(1) << 22;

// Where the header keeps its fields.
enum Field : size_t {
    versionAt = 5,
    colorsAt = 6, // background, multicolour 1, multicolour 2, char colour
    multicolorAt = 10,
    charCountAt = 11,
    tileWidthAt = 13,
    tileHeightAt = 14,
    interleaveAt = 15,
    colorModeAt = 16, // 0 one colour for all, 1 a colour for each tile
    mapWidthAt = 17,
    mapHeightAt = 19,
    charsetAddressAt = 21,
    mapAddressAt = 23,
    colorsAddressAt = 25,
    exportedPartsAt = 27,
};

uint16_t word(std::span<const uint8_t> file, size_t at) {
    return uint16_t(file[at] | file[at + 1] << 8);
}

void putWord(std::vector<uint8_t>& out, size_t at, int value) {
    out[at] = uint8_t(value & 0xFF);
    out[at + 1] = uint8_t(value >> 8 & 0xFF);
}

struct Tiles {
    int width;
    int height;
    int interleave; // 1: a tile's chars follow each other; else the distance between them

    uint32_t code(uint32_t tile, int x, int y) const {
        const auto cell = uint32_t(y * width + x);
        if (interleave == 1) return tile * uint32_t(width * height) + cell;
        return tile + cell * uint32_t(interleave);
    }
};

// The map of tiles laid out as chars, or the reason it cannot be.
std::optional<ForeignMap> laidOutMap(std::span<const uint8_t> file, size_t from,
                                     std::string& problem) {
    const Tiles tiles{file[tileWidthAt], file[tileHeightAt], file[interleaveAt]};
    if (tiles.width < 1 || tiles.width > 8 || tiles.height < 1 || tiles.height > 8) {
        problem = "its tiles of " + std::to_string(tiles.width) + " x " +
                  std::to_string(tiles.height) + " chars are not of 1 to 8 x 1 to 8";
        return std::nullopt;
    }
    if (tiles.interleave < 1 || tiles.interleave > 128) {
        problem = "its tiles' char interleave of " + std::to_string(tiles.interleave) +
                  " is not of 1 to 128";
        return std::nullopt;
    }
    const uint8_t colorMode = file[colorModeAt];
    if (colorMode > 1) {
        problem = "its colour mode " + std::to_string(colorMode) + " is unknown";
        return std::nullopt;
    }
    const size_t width = word(file, mapWidthAt);
    const size_t height = word(file, mapHeightAt);
    if (width == 0 || height == 0) {
        problem = "its map has no cells";
        return std::nullopt;
    }
    if (width * height * size_t(tiles.width * tiles.height) > largestMapCells) {
        problem = "its map of " + std::to_string(width) + " x " + std::to_string(height) +
                  " tiles is larger than gridlet reads";
        return std::nullopt;
    }
    if (file.size() - from < tileColorBytes + width * height) {
        problem = "the file ends before its map does";
        return std::nullopt;
    }
    const auto tileColors = file.subspan(from, tileColorBytes);
    const auto tileMap = file.subspan(from + tileColorBytes, width * height);
    ForeignMap map{int(width) * tiles.width, int(height) * tiles.height, {}, {}};
    map.codes.resize(size_t(map.width) * size_t(map.height));
    map.colors.resize(map.codes.size());
    for (size_t at = 0; at < map.codes.size(); ++at) {
        const size_t column = at % size_t(map.width);
        const size_t row = at / size_t(map.width);
        const uint8_t tile =
            tileMap[row / size_t(tiles.height) * width + column / size_t(tiles.width)];
        map.codes[at] =
            tiles.code(tile, int(column % size_t(tiles.width)), int(row % size_t(tiles.height)));
        map.colors[at] = uint8_t((colorMode == 1 ? tileColors[tile] : file[colorsAt + 3]) & 0x0F);
    }
    return map;
}

void addNote(std::string& note, const std::string& sentence) {
    if (sentence.empty()) return;
    if (!note.empty()) note += ' ';
    note += sentence;
}

} // namespace

bool isVchar64Project(std::span<const uint8_t> file) {
    return file.size() >= mark.size() && std::equal(mark.begin(), mark.end(), file.begin());
}

WorkReading decodeVchar64Project(std::span<const uint8_t> file, const Document& base) {
    WorkReading reading{base, "", ""};
    if (!isVchar64Project(file)) {
        reading.problem = "it has no VChar64 mark";
        return reading;
    }
    if (file.size() < headerBytes) {
        reading.problem = "the file ends inside its header";
        return reading;
    }
    const uint8_t version = file[versionAt];
    if (version < 1 || version > newestVersion) {
        reading.problem =
            "it is of VChar64 version " + std::to_string(version) + ", which gridlet does not know";
        return reading;
    }
    const size_t chars = word(file, charCountAt);
    if (chars == 0) {
        reading.problem = "it holds no char";
        return reading;
    }
    if (file.size() - headerBytes < chars * machineGlyphHeight) {
        reading.problem = "the file ends before its chars do";
        return reading;
    }
    std::optional<ForeignMap> map;
    if (version >= 2) {
        map = laidOutMap(file, headerBytes + chars * machineGlyphHeight, reading.problem);
        if (!map) return reading;
    }

    Document& document = reading.document;
    document.charset = Charset{};
    const size_t kept = std::min<size_t>(chars, glyphCount);
    std::copy_n(file.begin() + headerBytes, kept * machineGlyphHeight,
                document.charset.bytes.begin());
    if (chars > kept)
        addNote(reading.note, "The set has " + std::to_string(chars) +
                                  " chars; gridlet keeps the first 256, and " +
                                  std::to_string(chars - kept) + " were left out.");
    document.colorMode = file[multicolorAt] ? ColorMode::c64Multi : ColorMode::c64Single;
    document.machineColors.c64Background = uint8_t(file[colorsAt] & 0x0F);
    document.machineColors.c64Multi1 = uint8_t(file[colorsAt + 1] & 0x0F);
    document.machineColors.c64Multi2 = uint8_t(file[colorsAt + 2] & 0x0F);
    document.machineColors.c64Ink = uint8_t(file[colorsAt + 3] & 0x0F);
    if (map) addNote(reading.note, placeForeignMap(document, *map));
    return reading;
}

std::vector<uint8_t> encodeVchar64Project(const Document& document) {
    const ForeignMap map = visibleMap(document);
    std::vector<uint8_t> out(headerBytes);
    std::copy(mark.begin(), mark.end(), out.begin());
    out[versionAt] = newestVersion;
    const MachineColors& colors = document.machineColors;
    out[colorsAt] = uint8_t(colors.c64Background & 0x0F);
    out[colorsAt + 1] = uint8_t(colors.c64Multi1 & 0x0F);
    out[colorsAt + 2] = uint8_t(colors.c64Multi2 & 0x0F);
    out[colorsAt + 3] = uint8_t(colors.c64Ink & 0x0F);
    out[multicolorAt] = document.colorMode == ColorMode::c64Multi ? 1 : 0;
    putWord(out, charCountAt, glyphCount);
    out[tileWidthAt] = 1;
    out[tileHeightAt] = 1;
    out[interleaveAt] = 1;
    out[colorModeAt] = 1;
    putWord(out, mapWidthAt, map.width);
    putWord(out, mapHeightAt, map.height);
    // Where VChar64 exports the set, the map and the colours: the set where C64 programs usually
    // keep one, the map and colours after it; all three are exported.
    putWord(out, charsetAddressAt, 0x3800);
    putWord(out, mapAddressAt, 0x4000);
    putWord(out, colorsAddressAt, 0x4400);
    out[exportedPartsAt] = 7;

    // Grown then filled: GCC 12 at -O2 takes an insert here for a write past the header's end.
    out.resize(headerBytes + machineCharsetBytes);
    const std::span<const uint8_t> glyphs = allGlyphs(document.charset);
    std::copy(glyphs.begin(), glyphs.end(), out.begin() + headerBytes);
    std::array<std::optional<uint8_t>, tileColorBytes> charColors;
    for (size_t at = 0; at < map.codes.size(); ++at)
        if (!charColors[map.codes[at]]) charColors[map.codes[at]] = uint8_t(map.colors[at] & 0x0F);
    for (const auto& color : charColors) out.push_back(color.value_or(out[colorsAt + 3]));
    for (const uint32_t code : map.codes) out.push_back(uint8_t(code));
    return out;
}
