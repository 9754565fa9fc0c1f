// CharPad projects (.ctm): every version from 5 to 9 gives its set, mode, colours and map, tiles
// laid out in characters and each cell in the colour its colouring method gives; a damaged
// project or one of another version is refused and leaves the document as it was; and a project
// written and opened again is the same work.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "files/charpad_file.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

Bytes project(const std::string& name) {
    return fileBytes(std::string(GRIDLET_TEST_DATA) + "/charpad/" + name);
}

// The numbers tests/data/charpad/ctm.py makes its projects of.
int glyphRow(int c, int r) {
    return (c * 11 + r * 3 + 1) & 0xFF;
}
int charColour(int c) {
    return (c * 5 + 3) % 16;
}
int tileChar(int t, int i, int chars) {
    return (t * 7 + i * 3) % chars;
}
int tileColour(int t) {
    return (t * 3 + 2) % 16;
}
int mapEntry(int x, int y, int count) {
    return (x * 5 + y * 3) % count;
}
// Every project there has these colours: background, multicolour 1 and 2, character colour.
constexpr uint8_t background = 6, multicolour1 = 1, multicolour2 = 2, ink = 14;

enum class Colouring { global, perTile, perCharacter };

struct Tiles {
    int count;
    int width;
    int height;
    bool expanded = false; // version 5: tile t holds characters t * w * h onwards
};

struct Case {
    const char* file;
    ColorMode mode;
    Colouring colouring;
    int chars;
    std::optional<Tiles> tiles;
    int mapWidth; // in tiles when the project has them
    int mapHeight;
    MapSize placed;   // the gridlet map it lands on
    const char* note; // a part of the note, or "" when there is none
};

// A base with something of its own everywhere, so that what the project does not carry shows
// that it was kept, and what it does that it was replaced.
Document baseDocument() {
    Document base;
    std::ranges::fill(base.charset, 0xAA);
    base.mapCells[5][5] = 99;
    base.mapColors[80][50] = 7;
    base.colorMode = ColorMode::spectrum;
    base.machineColors = MachineColors{9, 9, 9, {1, 2, 3, 4, 5}, 9, 0x47};
    base.c64Border = 5;
    base.pen = 2;
    base.gridOnMap = false;
    base.range = Range{3, 9, true};
    return base;
}

// The character and its colour at (x, y) of the project's map laid out in characters.
std::pair<int, int> expectedCell(const Case& c, int x, int y) {
    if (!c.tiles) {
        const int character = mapEntry(x, y, c.chars);
        return {character, c.colouring == Colouring::perCharacter ? charColour(character) : ink};
    }
    const Tiles& tiles = *c.tiles;
    const int tile = mapEntry(x / tiles.width, y / tiles.height, tiles.count);
    const int cell = (y % tiles.height) * tiles.width + x % tiles.width;
    const int character =
        tiles.expanded ? tile * tiles.width * tiles.height + cell : tileChar(tile, cell, c.chars);
    if (c.colouring == Colouring::perCharacter) return {character, charColour(character)};
    if (c.colouring == Colouring::perTile) return {character, tileColour(tile)};
    return {character, ink};
}

TEST(CharpadFile, EveryVersionGivesItsSetModeColoursAndMapInCharacters) {
    using enum Colouring;
    const ColorMode single = ColorMode::c64Single, multi = ColorMode::c64Multi;
    const Case cases[] = {
        {"v5-hires-global.ctm", single, global, 40, {}, 40, 25, {40, 25}, ""},
        {"v5-multicolour-tiles-per-character.ctm",
         multi,
         perCharacter,
         64,
         Tiles{10, 2, 2},
         16,
         12,
         {32, 24},
         ""},
        {"v5-expanded-tiles-per-tile.ctm",
         single,
         perTile,
         36,
         Tiles{6, 2, 3, true},
         20,
         8,
         {40, 24},
         ""},
        {"v6-multicolour-tiles-per-tile.ctm",
         multi,
         perTile,
         100,
         Tiles{12, 4, 4},
         10,
         6,
         {40, 24},
         ""},
        {"v6-hires-per-character.ctm", single, perCharacter, 256, {}, 40, 24, {40, 24}, ""},
        {"v6-per-tile-without-tiles.ctm",
         single,
         perTile,
         20,
         {},
         32,
         24,
         {32, 24},
         "colours per tile but has no tiles"},
        {"v7-extended-background.ctm",
         single,
         global,
         64,
         {},
         32,
         24,
         {32, 24},
         "extended background colour mode"},
        {"v7-multicolour-tiles-per-character.ctm",
         multi,
         perCharacter,
         80,
         Tiles{9, 3, 3},
         21,
         10,
         {64, 30},
         ""},
        {"v8-hires-per-character.ctm", single, perCharacter, 200, {}, 40, 25, {40, 25}, ""},
        {"v8-multicolour-tiles-per-tile.ctm",
         multi,
         perTile,
         50,
         Tiles{7, 2, 2},
         20,
         12,
         {40, 24},
         ""},
        {"v8-300-characters.ctm",
         single,
         perCharacter,
         300,
         {},
         40,
         25,
         {40, 25},
         "The set holds 300 characters; gridlet keeps the first 256, and 44 were left out."},
        {"v9-hires-tiles-global-large-map.ctm",
         single,
         global,
         30,
         Tiles{5, 3, 3},
         30,
         20,
         {80, 50},
         "The map is 90 x 60 cells"},
        {"v9-multicolour-tiles-per-character.ctm",
         multi,
         perCharacter,
         40,
         Tiles{8, 2, 2},
         16,
         12,
         {32, 24},
         ""},
    };
    const Document base = baseDocument();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const WorkReading reading = decodeCharpadProject(project(c.file), base);
        ASSERT_EQ(reading.problem, "");
        if (*c.note == 0)
            EXPECT_EQ(reading.note, "");
        else
            EXPECT_NE(reading.note.find(c.note), std::string::npos) << reading.note;
        const Document& document = reading.document;

        for (int code = 0; code < glyphCount; ++code)
            for (int row = 0; row < machineGlyphHeight; ++row)
                ASSERT_EQ(document.glyph(code)[size_t(row)],
                          code < c.chars ? glyphRow(code, row) : 0)
                    << code << "," << row;
        EXPECT_EQ(document.colorMode, c.mode);
        EXPECT_EQ(document.machineColors.c64Background, background);
        EXPECT_EQ(document.machineColors.c64Multi1, multicolour1);
        EXPECT_EQ(document.machineColors.c64Multi2, multicolour2);
        EXPECT_EQ(document.machineColors.c64Ink, ink);

        EXPECT_EQ(document.mapWidth, c.placed.width);
        EXPECT_EQ(document.mapHeight, c.placed.height);
        const int width = c.mapWidth * (c.tiles ? c.tiles->width : 1);
        const int height = c.mapHeight * (c.tiles ? c.tiles->height : 1);
        for (int y = 0; y < mapRows; ++y)
            for (int x = 0; x < mapColumns; ++x) {
                const bool inside =
                    x < std::min(width, c.placed.width) && y < std::min(height, c.placed.height);
                const auto [character, colour] = inside ? expectedCell(c, x, y) : std::pair{0, 0};
                ASSERT_EQ(document.mapCells[x][y], character & 0xFF) << x << "," << y;
                ASSERT_EQ(document.mapColors[x][y], colour) << x << "," << y;
            }

        // What a project does not carry stays as the base had it.
        EXPECT_EQ(document.c64Border, base.c64Border);
        EXPECT_EQ(document.machineColors.atari, base.machineColors.atari);
        EXPECT_EQ(document.machineColors.spectrumAttribute, base.machineColors.spectrumAttribute);
        EXPECT_EQ(document.pen, base.pen);
        EXPECT_EQ(document.range, base.range);
        EXPECT_EQ(document.gridOnMap, base.gridOnMap);
    }
}

TEST(CharpadFile, OnlyTheMarkMakesAProject) {
    EXPECT_TRUE(isCharpadProject(Bytes{'C', 'T', 'M'}));
    EXPECT_TRUE(isCharpadProject(project("v8-hires-per-character.ctm")));
    EXPECT_FALSE(isCharpadProject(Bytes{'C', 'T'}));
    EXPECT_FALSE(isCharpadProject(Bytes{'c', 't', 'm', 5}));
    EXPECT_FALSE(isCharpadProject(Bytes{}));
}

TEST(CharpadFile, DamagedProjectsAndOtherVersionsAreRefusedAndChangeNothing) {
    const Document base = baseDocument();
    int refused = 0;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(GRIDLET_TEST_DATA) + "/malformed")) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("charpad-", 0) != 0) continue;
        SCOPED_TRACE(name);
        const WorkReading reading = decodeCharpadProject(fileBytes(entry.path().string()), base);
        EXPECT_NE(reading.problem, "");
        EXPECT_EQ(reading.note, "");
        EXPECT_EQ(reading.document, base);
        ++refused;
    }
    EXPECT_GE(refused, 16);

    const struct {
        const char* file;
        const char* reason;
    } reasons[] = {
        {"charpad-version-4.ctm", "CharPad files of version 4 are not read"},
        {"charpad-version-10.ctm", "CharPad files of version 10 are not read"},
        {"charpad-mark-only.ctm", "the file is cut short in its header"},
        {"charpad-header-cut-short.ctm", "the file is cut short in its header"},
        {"charpad-map-cut-short.ctm", "the file is cut short in its map"},
        {"charpad-characters-cut-short.ctm", "the file is cut short in its characters"},
        {"charpad-huge-counts.ctm", "the file is cut short in its characters"},
        {"charpad-huge-tiles.ctm", "its map is 2295 x 2295 characters, more than gridlet reads"},
        {"charpad-damaged-block-mark.ctm", "the mark of its character colour block is damaged"},
        {"charpad-unknown-colouring.ctm", "its colouring method is 3"},
        {"charpad-bitmap-mode.ctm", "bitmap mode 3"},
        {"charpad-unknown-screen-mode.ctm", "its screen mode is 5"},
        {"charpad-tile-beyond-set.ctm", "its map names tile 3, and it has 3"},
        {"charpad-character-beyond-set.ctm", "its map names character 4, and the set has 4"},
        {"charpad-tiles-of-no-cells.ctm", "its tiles are 0 x 3 characters"},
        {"charpad-names-unended.ctm", "the file is cut short in its tile names"},
    };
    for (const auto& [file, reason] : reasons) {
        const WorkReading reading = decodeCharpadProject(
            fileBytes(std::string(GRIDLET_TEST_DATA) + "/malformed/" + file), base);
        EXPECT_NE(reading.problem.find(reason), std::string::npos)
            << file << ": " << reading.problem;
    }
    EXPECT_EQ(decodeCharpadProject(Bytes{'P', 'N', 'G'}, base).problem, "it is no CharPad project");
}

TEST(CharpadFile, BytesAfterTheMapAreLeftOutWithANote) {
    Bytes file = project("v6-multicolour-tiles-per-tile.ctm");
    file.insert(file.end(), {1, 2, 3});
    const WorkReading reading = decodeCharpadProject(file, Document{});
    ASSERT_EQ(reading.problem, "");
    EXPECT_EQ(reading.note, "3 bytes after the map were left out.");
}

TEST(CharpadFile, AMapWithoutCellsGivesAnEmptyMap) {
    // Version 6, global colouring, no tiles: one character, and a map of 0 x 7.
    Bytes file{'C', 'T', 'M', 6, 6, 1, 2, 14, 0, 0};
    const Bytes blocks[] = {{0xDA, 0xB0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8}, // the character
                            {0xDA, 0xB1, 0},                            // its attribute
                            {0xDA, 0xB2, 0, 0, 7, 0}};                  // the map
    for (const Bytes& block : blocks) file.insert(file.end(), block.begin(), block.end());
    const WorkReading reading = decodeCharpadProject(file, baseDocument());
    ASSERT_EQ(reading.problem, "");
    EXPECT_EQ(reading.note, "");
    EXPECT_EQ(reading.document.mapWidth, 32);
    EXPECT_EQ(reading.document.mapHeight, 24);
    EXPECT_EQ(reading.document.mapCells, MapCells{});
    EXPECT_EQ(reading.document.mapColors, filledMapColors(0));
    EXPECT_EQ(reading.document.glyph(0)[7], 8);
}

// A document of C64 work whose cells beyond the visible map are empty, as a read one's are: the
// visible cells count through the codes, and their colours are each code's own or vary.
Document c64Work(ColorMode mode, MapSize size, bool colourPerCode) {
    Document document;
    for (int code = 0; code < glyphCount; ++code)
        for (int row = 0; row < machineGlyphHeight; ++row)
            document.glyph(code)[size_t(row)] = uint8_t(code * 13 + row * 7 + 5);
    document.colorMode = mode;
    document.machineColors.c64Background = 11;
    document.machineColors.c64Multi1 = 4;
    document.machineColors.c64Multi2 = 9;
    document.machineColors.c64Ink = 10;
    document.c64Border = 3;
    document.mapWidth = size.width;
    document.mapHeight = size.height;
    document.mapColors = filledMapColors(0);
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x) {
            const int code = (x * 7 + y * 31) % 256;
            document.mapCells[x][y] = code;
            document.mapColors[x][y] = uint8_t(colourPerCode ? code % 16 : (x + 2 * y) % 16);
        }
    return document;
}

TEST(CharpadFile, C64WorkWrittenAndOpenedAgainIsTheSameWork) {
    for (const ColorMode mode : {ColorMode::c64Single, ColorMode::c64Multi})
        for (const MapSize size : mapSizes)
            for (const bool colourPerCode : {true, false}) {
                SCOPED_TRACE(testing::Message() << int(mode) << " " << size.width << "x"
                                                << size.height << " " << colourPerCode);
                const Document work = c64Work(mode, size, colourPerCode);
                const Bytes file = encodeCharpadProject(work);
                // Over the work itself: nothing changes at all.
                const WorkReading again = decodeCharpadProject(file, work);
                ASSERT_EQ(again.problem, "");
                EXPECT_EQ(again.note, "");
                EXPECT_EQ(again.document, work);
                // Over a fresh document: the set, mode, colours and map come from the file.
                const Document opened = decodeCharpadProject(file, Document{}).document;
                EXPECT_EQ(opened.charset, work.charset);
                EXPECT_EQ(opened.colorMode, work.colorMode);
                EXPECT_EQ(opened.machineColors.c64Background, 11);
                EXPECT_EQ(opened.machineColors.c64Multi1, 4);
                EXPECT_EQ(opened.machineColors.c64Multi2, 9);
                EXPECT_EQ(opened.machineColors.c64Ink, 10);
                EXPECT_EQ(opened.mapWidth, size.width);
                EXPECT_EQ(opened.mapHeight, size.height);
                EXPECT_EQ(opened.mapCells, work.mapCells);
                EXPECT_EQ(opened.mapColors, work.mapColors);
            }
}

size_t word(const Bytes& file, size_t at) {
    return file[at] | size_t(file[at + 1]) << 8;
}

TEST(CharpadFile, ItWritesVersion5ColouredPerCharacterOrThroughTilesOfOneCell) {
    // Every code in one colour: no tiles, coloured per character, the map in codes.
    const Document uniform = c64Work(ColorMode::c64Multi, {40, 25}, true);
    const Bytes plain = encodeCharpadProject(uniform);
    ASSERT_GE(plain.size(), 20u);
    EXPECT_EQ(Bytes(plain.begin(), plain.begin() + 4), (Bytes{'C', 'T', 'M', 5}));
    EXPECT_EQ(Bytes(plain.begin() + 4, plain.begin() + 10), (Bytes{11, 4, 9, 10, 2, 4}));
    EXPECT_EQ(word(plain, 10), 255u); // 256 characters
    EXPECT_EQ(word(plain, 16), 40u);
    EXPECT_EQ(word(plain, 18), 25u);
    ASSERT_EQ(plain.size(), 20u + 2048 + 256 + 40 * 25 * 2);
    EXPECT_EQ(plain[20 + 2048 + 7], 7); // character 7's attribute: its colour
    EXPECT_EQ(word(plain, 20 + 2048 + 256 + 2 * 41), size_t(uniform.mapCells[1][1]));

    // A code in two colours: 1 x 1 tiles coloured per tile, one for each code and colour.
    const Document mixed = c64Work(ColorMode::c64Single, {32, 24}, false);
    const Bytes tiled = encodeCharpadProject(mixed);
    EXPECT_EQ(Bytes(tiled.begin() + 8, tiled.begin() + 10), (Bytes{1, 1})); // per tile, tiles
    const size_t tiles = word(tiled, 12) + 1;
    EXPECT_EQ(Bytes(tiled.begin() + 14, tiled.begin() + 16), (Bytes{1, 1}));
    ASSERT_EQ(tiled.size(), 20u + 2048 + 256 + tiles * 3 + 32 * 24 * 2);
    const size_t cells = 20 + 2048 + 256, colours = cells + 2 * tiles, map = colours + tiles;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 32; ++x) {
            const size_t tile = word(tiled, map + 2 * size_t(y * 32 + x));
            ASSERT_LT(tile, tiles);
            EXPECT_EQ(word(tiled, cells + 2 * tile), size_t(mixed.mapCells[x][y]));
            EXPECT_EQ(tiled[colours + tile], mixed.mapColors[x][y]);
        }
}

TEST(CharpadFile, WorkOfAnotherMachineIsWrittenAsHiresInTheInkColour) {
    for (const ColorMode mode : {ColorMode::twoColors, ColorMode::atari4, ColorMode::spectrum}) {
        Document work = c64Work(ColorMode::c64Single, {40, 24}, false);
        work.colorMode = mode;
        const Document opened = decodeCharpadProject(encodeCharpadProject(work), work).document;
        EXPECT_EQ(opened.colorMode, ColorMode::c64Single);
        EXPECT_EQ(opened.mapCells, work.mapCells);
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 40; ++x) ASSERT_EQ(opened.mapColors[x][y], 10);
    }
}

} // namespace
