#include "files/charpad_file.h"

#include <algorithm>
#include <array>
#include <string>

// The layouts follow CharPad's own descriptions of its format (the user manuals of CharPad 2.3
// for version 5 and 2.6 for version 6) and what the readers of c64lib's Gradle plugin take from
// versions 7, 8 and 9. All numbers of two bytes are little-endian.
//
// Version 5: a header of 20 bytes (the mark, the version, the screen, multicolour 1 and 2 and
// character colours, the colouring method, the flags, the character and tile counts less one,
// the tile width and height, the map width and height), then without marks the characters,
// their attributes (material and colour), the tiles unless the set is "expanded", the tiles'
// colours when coloured per tile, and the map.
//
// Versions 6 to 9: a short header, then blocks, each opened by 0xDA and 0xB0 + its number in the
// file: the characters (count less one, then the rows), their attributes (6, 7) or materials
// (8, 9), their colours (8, 9, when coloured per character), with tiles the tiles (count less
// one, width, height, cells), their colours when coloured per tile, their tags and their names,
// and last the map (width, height, cells).

namespace {

constexpr uint8_t ctmMark[] = {'C', 'T', 'M'};
constexpr int oldestRead = 5;
constexpr int newestRead = 9;
constexpr uint8_t writtenVersion = 5;
constexpr uint8_t blockMark = 0xDA;
constexpr uint8_t firstBlock = 0xB0;
// The largest map read, in characters: far beyond what a C64 holds, and a bound on what a small
// file of large tiles can ask for.
constexpr uint64_t largestCharacterMap = uint64_t(1) << 22;

enum class Colouring : uint8_t { global, perTile, perCharacter };
enum class Screen : uint8_t { hires, multicolour, extendedBackground };

// Version 5's flags, version 6's, and the one flag of versions 7 to 9.
constexpr uint8_t v5Tiles = 1, v5Expanded = 2, v5Multicolour = 4;
constexpr uint8_t v6Multicolour = 1, v6Tiles = 2;
constexpr uint8_t laterTiles = 1;

// What gridlet takes from a project.
struct Project {
    Screen screen = Screen::hires;
    Colouring colouring = Colouring::global;
    uint8_t background = 0, multicolour1 = 0, multicolour2 = 0;
    uint8_t ink = 0; // the project's character colour, which global colouring gives every cell
    size_t characters = 0;
    std::span<const uint8_t> glyphs;       // 8 bytes a character
    std::vector<uint8_t> characterColours; // one a character, when coloured per character
    bool tiles = false;
    size_t tileCount = 0;
    int tileWidth = 1, tileHeight = 1;
    bool expanded = false;              // version 5: tile t holds characters t * w * h onwards
    std::span<const uint8_t> tileCells; // 2 bytes a cell, unless expanded
    std::vector<uint8_t> tileColours;   // one a tile, when coloured per tile
    int mapWidth = 0, mapHeight = 0;
    std::span<const uint8_t> map; // 2 bytes a cell: a tile, or a character without tiles
    size_t trailing = 0;          // bytes after the map
};

// Reads the file from a position on. The first shortfall or damage is kept in `problem`; after
// it every read gives nothing, so a reader checks once after a run of reads.
class Reader {
  public:
    Reader(std::span<const uint8_t> file, size_t at) : file_(file), at_(at) {}

    bool failed() const { return !problem.empty(); }
    size_t left() const { return file_.size() - at_; }

    std::span<const uint8_t> bytes(uint64_t count, std::string_view what) {
        if (failed()) return {};
        if (count > left()) {
            problem = "the file is cut short in its " + std::string(what);
            return {};
        }
        const std::span<const uint8_t> taken = file_.subspan(at_, size_t(count));
        at_ += size_t(count);
        return taken;
    }
    uint8_t byte(std::string_view what) {
        const std::span<const uint8_t> taken = bytes(1, what);
        return taken.empty() ? 0 : taken[0];
    }
    int word(std::string_view what) {
        const std::span<const uint8_t> taken = bytes(2, what);
        return taken.empty() ? 0 : taken[0] | taken[1] << 8;
    }
    // A block's mark: 0xDA, then 0xB0 with the block's number in the file.
    void block(std::string_view what) {
        const std::span<const uint8_t> taken = bytes(2, std::string(what) + " block's mark");
        if (!failed() && (taken[0] != blockMark || taken[1] != firstBlock + blocks_))
            problem = "the mark of its " + std::string(what) + " block is damaged";
        ++blocks_;
    }
    // One name ended by a zero byte for each tile.
    void names(size_t count) {
        for (size_t name = 0; name < count && !failed(); ++name) {
            const auto end = std::find(file_.begin() + ptrdiff_t(at_), file_.end(), 0);
            if (end == file_.end()) {
                problem = "the file is cut short in its tile names";
                return;
            }
            at_ = size_t(end - file_.begin()) + 1;
        }
    }

    std::string problem;

  private:
    std::span<const uint8_t> file_;
    size_t at_;
    int blocks_ = 0;
};

std::string colouringFrom(uint8_t value, Colouring& colouring) {
    if (value > 2)
        return "its colouring method is " + std::to_string(value) +
               ", and CharPad's are 0 (global), 1 (per tile) and 2 (per character)";
    colouring = Colouring(value);
    return "";
}

// The display mode of versions 8 and 9: 0 hires, 1 multicolour and 2 extended background colour
// text, as version 7's screen mode; 3 and 4 are the bitmap modes, which gridlet does not edit.
std::string screenFrom(uint8_t value, Screen& screen) {
    if (value == 3 || value == 4)
        return "it is a project of CharPad's bitmap mode " + std::to_string(value) +
               ", and gridlet reads the text modes";
    if (value > 4)
        return "its display mode is " + std::to_string(value) + ", and CharPad's are 0 to 4";
    screen = Screen(value);
    return "";
}

std::vector<uint8_t> lowNibbles(std::span<const uint8_t> bytes) {
    std::vector<uint8_t> nibbles(bytes.begin(), bytes.end());
    for (uint8_t& nibble : nibbles) nibble &= 0x0F;
    return nibbles;
}

std::string readVersion5(std::span<const uint8_t> file, Project& project) {
    Reader in(file, 4);
    project.background = in.byte("header");
    project.multicolour1 = in.byte("header");
    project.multicolour2 = in.byte("header");
    project.ink = in.byte("header");
    const uint8_t colouring = in.byte("header");
    const uint8_t flags = in.byte("header");
    project.characters = size_t(in.word("header")) + 1;
    project.tileCount = size_t(in.word("header")) + 1;
    project.tileWidth = in.byte("header");
    project.tileHeight = in.byte("header");
    project.mapWidth = in.word("header");
    project.mapHeight = in.word("header");
    if (in.failed()) return in.problem;
    if (std::string problem = colouringFrom(colouring, project.colouring); !problem.empty())
        return problem;
    project.screen = flags & v5Multicolour ? Screen::multicolour : Screen::hires;
    project.tiles = flags & v5Tiles;
    project.expanded = project.tiles && (flags & v5Expanded) != 0;

    project.glyphs = in.bytes(uint64_t(project.characters) * 8, "characters");
    const std::span<const uint8_t> attributes = in.bytes(project.characters, "characters");
    if (project.colouring == Colouring::perCharacter)
        project.characterColours = lowNibbles(attributes);
    if (project.tiles) {
        const uint64_t cells = uint64_t(project.tileCount) * uint64_t(project.tileWidth) *
                               uint64_t(project.tileHeight);
        if (!project.expanded) project.tileCells = in.bytes(cells * 2, "tiles");
        if (project.colouring == Colouring::perTile)
            project.tileColours = lowNibbles(in.bytes(project.tileCount, "tile colours"));
    }
    project.map = in.bytes(uint64_t(project.mapWidth) * uint64_t(project.mapHeight) * 2, "map");
    project.trailing = in.left();
    return in.problem;
}

// Versions 6 to 9 after their headers; `laterColours` for 8 and 9, whose colours of characters
// and tiles are blocks of their own and whose attributes are materials only.
std::string readBlocks(std::span<const uint8_t> file, size_t headerEnd, bool laterColours,
                       Project& project) {
    Reader in(file, headerEnd);
    in.block("character");
    project.characters = size_t(in.word("characters")) + 1;
    project.glyphs = in.bytes(uint64_t(project.characters) * 8, "characters");
    in.block(laterColours ? "material" : "attribute");
    const std::span<const uint8_t> attributes =
        in.bytes(project.characters, laterColours ? "materials" : "attributes");
    if (project.colouring == Colouring::perCharacter) {
        if (laterColours) {
            in.block("character colour");
            project.characterColours = lowNibbles(in.bytes(project.characters, "colours"));
        } else {
            project.characterColours = lowNibbles(attributes);
        }
    }
    if (project.tiles) {
        in.block("tile");
        project.tileCount = size_t(in.word("tiles")) + 1;
        project.tileWidth = in.byte("tiles");
        project.tileHeight = in.byte("tiles");
        const uint64_t cells = uint64_t(project.tileCount) * uint64_t(project.tileWidth) *
                               uint64_t(project.tileHeight);
        project.tileCells = in.bytes(cells * 2, "tiles");
        if (project.colouring == Colouring::perTile) {
            in.block("tile colour");
            project.tileColours = lowNibbles(in.bytes(project.tileCount, "tile colours"));
        }
        in.block("tile tag");
        in.bytes(project.tileCount, "tile tags");
        in.block("tile name");
        in.names(project.tileCount);
    }
    in.block("map");
    project.mapWidth = in.word("map");
    project.mapHeight = in.word("map");
    project.map = in.bytes(uint64_t(project.mapWidth) * uint64_t(project.mapHeight) * 2, "map");
    project.trailing = in.left();
    return in.problem;
}

std::string readVersion6Or7(std::span<const uint8_t> file, int version, Project& project) {
    Reader in(file, 4);
    project.background = in.byte("header");
    project.multicolour1 = in.byte("header");
    project.multicolour2 = in.byte("header");
    if (version == 7) in.byte("header"); // the fourth background colour, $D024
    project.ink = in.byte("header");
    const uint8_t colouring = in.byte("header");
    const uint8_t screen = version == 7 ? in.byte("header") : 0;
    const uint8_t flags = in.byte("header");
    if (in.failed()) return in.problem;
    if (std::string problem = colouringFrom(colouring, project.colouring); !problem.empty())
        return problem;
    if (version == 6) {
        project.screen = flags & v6Multicolour ? Screen::multicolour : Screen::hires;
        project.tiles = flags & v6Tiles;
    } else {
        if (screen > 2)
            return "its screen mode is " + std::to_string(screen) +
                   ", and CharPad's are 0 (hires), 1 (multicolour) and 2 (extended background)";
        project.screen = Screen(screen);
        project.tiles = flags & laterTiles;
    }
    return readBlocks(file, 4 + (version == 7 ? 8 : 6), false, project);
}

std::string readVersion8Or9(std::span<const uint8_t> file, int version, Project& project) {
    Reader in(file, 4);
    const uint8_t display = in.byte("header");
    const uint8_t colouring = in.byte("header");
    const uint8_t flags = in.byte("header");
    if (version == 9) in.bytes(5, "header"); // the flexi-grid's width, height and arrangement
    project.background = in.byte("header");
    project.multicolour1 = in.byte("header");
    project.multicolour2 = in.byte("header");
    in.byte("header");               // the fourth background colour, $D024
    project.ink = in.byte("header"); // the colour RAM's base colour; the screen RAM's follow
    in.bytes(2, "header");
    if (in.failed()) return in.problem;
    if (std::string problem = screenFrom(display, project.screen); !problem.empty()) return problem;
    if (std::string problem = colouringFrom(colouring, project.colouring); !problem.empty())
        return problem;
    project.tiles = flags & laterTiles;
    return readBlocks(file, version == 9 ? 19 : 14, true, project);
}

std::string sizeText(uint64_t width, uint64_t height) {
    return std::to_string(width) + " x " + std::to_string(height);
}

// The project's map in characters, tiles laid out, each cell in its colour; the problem when a
// cell names a tile or character the project lacks.
std::string characterMap(const Project& project, ForeignMap& map) {
    const int tileWidth = project.tiles ? project.tileWidth : 1;
    const int tileHeight = project.tiles ? project.tileHeight : 1;
    if (tileWidth == 0 || tileHeight == 0)
        return "its tiles are " + sizeText(uint64_t(tileWidth), uint64_t(tileHeight)) +
               " characters";
    // A map with no cells is an empty one, whichever side is 0.
    const bool empty = project.mapWidth == 0 || project.mapHeight == 0;
    const uint64_t width = empty ? 0 : uint64_t(project.mapWidth) * uint64_t(tileWidth);
    const uint64_t height = empty ? 0 : uint64_t(project.mapHeight) * uint64_t(tileHeight);
    if (width * height > largestCharacterMap)
        return "its map is " + sizeText(width, height) + " characters, more than gridlet reads";
    map = ForeignMap{int(width), int(height), std::vector<uint32_t>(size_t(width * height)),
                     std::vector<uint8_t>(size_t(width * height))};
    const size_t tileCells = size_t(tileWidth) * size_t(tileHeight);
    const auto word = [](std::span<const uint8_t> bytes, size_t at) {
        return size_t(bytes[2 * at] | bytes[2 * at + 1] << 8);
    };
    for (int row = 0; row < project.mapHeight; ++row)
        for (int column = 0; column < project.mapWidth; ++column) {
            const size_t entry =
                word(project.map, size_t(row) * size_t(project.mapWidth) + size_t(column));
            if (project.tiles && entry >= project.tileCount)
                return "its map names tile " + std::to_string(entry) + ", and it has " +
                       std::to_string(project.tileCount);
            for (size_t cell = 0; cell < tileCells; ++cell) {
                size_t character = entry;
                if (project.tiles)
                    character = project.expanded
                                    ? entry * tileCells + cell
                                    : word(project.tileCells, entry * tileCells + cell);
                if (character >= project.characters)
                    return std::string(project.tiles ? "a tile" : "its map") + " names character " +
                           std::to_string(character) + ", and the set has " +
                           std::to_string(project.characters);
                uint8_t colour = project.ink & 0x0F;
                if (project.colouring == Colouring::perCharacter)
                    colour = project.characterColours[character];
                else if (project.colouring == Colouring::perTile && project.tiles)
                    colour = project.tileColours[entry];
                const size_t x = size_t(column) * size_t(tileWidth) + cell % size_t(tileWidth);
                const size_t y = size_t(row) * size_t(tileHeight) + cell / size_t(tileWidth);
                map.codes[y * size_t(width) + x] = uint32_t(character);
                map.colors[y * size_t(width) + x] = colour;
            }
        }
    return "";
}

void addNote(std::string& notes, const std::string& note) {
    if (note.empty()) return;
    if (!notes.empty()) notes += ' ';
    notes += note;
}

void putWord(std::vector<uint8_t>& out, size_t value) {
    out.push_back(uint8_t(value & 0xFF));
    out.push_back(uint8_t(value >> 8 & 0xFF));
}

} // namespace

bool isCharpadProject(std::span<const uint8_t> file) {
    return file.size() >= std::size(ctmMark) &&
           std::equal(std::begin(ctmMark), std::end(ctmMark), file.begin());
}

WorkReading decodeCharpadProject(std::span<const uint8_t> file, const Document& base) {
    const auto refused = [&base](std::string why) { return WorkReading{base, "", std::move(why)}; };
    if (!isCharpadProject(file)) return refused("it is no CharPad project");
    if (file.size() < 4) return refused("the file is cut short in its header");
    const int version = file[3];
    if (version < oldestRead || version > newestRead)
        return refused("CharPad files of version " + std::to_string(version) +
                       " are not read: gridlet reads versions 5 to 9");

    Project project;
    std::string problem;
    if (version == 5)
        problem = readVersion5(file, project);
    else if (version <= 7)
        problem = readVersion6Or7(file, version, project);
    else
        problem = readVersion8Or9(file, version, project);
    if (!problem.empty()) return refused(problem);
    ForeignMap map;
    if (problem = characterMap(project, map); !problem.empty()) return refused(problem);

    WorkReading reading{base, "", ""};
    Document& document = reading.document;
    document.charset = Charset{};
    const size_t kept = std::min<size_t>(project.characters, glyphCount);
    std::copy_n(project.glyphs.begin(), kept * machineGlyphHeight, document.charset.bytes.begin());
    document.colorMode =
        project.screen == Screen::multicolour ? ColorMode::c64Multi : ColorMode::c64Single;
    document.machineColors.c64Background = project.background & 0x0F;
    document.machineColors.c64Multi1 = project.multicolour1 & 0x0F;
    document.machineColors.c64Multi2 = project.multicolour2 & 0x0F;
    document.machineColors.c64Ink = project.ink & 0x0F;

    if (project.characters > glyphCount)
        addNote(reading.note, "The set holds " + std::to_string(project.characters) +
                                  " characters; gridlet keeps the first 256, and " +
                                  std::to_string(project.characters - glyphCount) +
                                  " were left out.");
    if (project.screen == Screen::extendedBackground)
        addNote(reading.note, "The project is in extended background colour mode, which gridlet "
                              "shows in single colour without the further backgrounds.");
    if (project.colouring == Colouring::perTile && !project.tiles)
        addNote(reading.note, "The project colours per tile but has no tiles, so every cell "
                              "takes the project's character colour.");
    addNote(reading.note, placeForeignMap(document, map));
    if (project.trailing > 0)
        addNote(reading.note,
                std::to_string(project.trailing) + " bytes after the map were left out.");
    return reading;
}

std::vector<uint8_t> encodeCharpadProject(const Document& document) {
    const ForeignMap visible = visibleMap(document);
    const bool c64 =
        document.colorMode == ColorMode::c64Single || document.colorMode == ColorMode::c64Multi;
    const MachineColors& colours = document.machineColors;
    const uint8_t ink = colours.c64Ink & 0x0F;
    std::vector<uint8_t> cellColours(visible.codes.size(), ink);
    if (c64)
        for (size_t cell = 0; cell < cellColours.size(); ++cell)
            cellColours[cell] = visible.colors[cell] & 0x0F;

    // Coloured per character when no character shows in two colours, or else through 1 x 1
    // tiles coloured per tile: one for each pair of character and colour, in order of use.
    std::array<int, glyphCount> characterColour;
    characterColour.fill(-1);
    bool perCharacter = true;
    std::array<int, glyphCount * 16> tileOf;
    tileOf.fill(-1);
    std::vector<uint32_t> tiles; // code * 16 + colour
    std::vector<size_t> entries; // the map: a tile, or a character when coloured per character
    for (size_t cell = 0; cell < visible.codes.size(); ++cell) {
        const uint32_t code = visible.codes[cell] & 0xFF, colour = cellColours[cell];
        int& known = characterColour[code];
        if (known < 0) known = int(colour);
        perCharacter = perCharacter && known == int(colour);
        int& tile = tileOf[code * 16 + colour];
        if (tile < 0) {
            tile = int(tiles.size());
            tiles.push_back(code * 16 + colour);
        }
        entries.push_back(size_t(tile));
    }
    if (perCharacter) entries.assign(visible.codes.begin(), visible.codes.end());

    std::vector<uint8_t> out(std::begin(ctmMark), std::end(ctmMark));
    out.push_back(writtenVersion);
    out.insert(out.end(), {uint8_t(colours.c64Background & 0x0F), uint8_t(colours.c64Multi1 & 0x0F),
                           uint8_t(colours.c64Multi2 & 0x0F), ink});
    out.push_back(uint8_t(perCharacter ? Colouring::perCharacter : Colouring::perTile));
    out.push_back(uint8_t((perCharacter ? 0 : v5Tiles) |
                          (document.colorMode == ColorMode::c64Multi ? v5Multicolour : 0)));
    putWord(out, glyphCount - 1);
    putWord(out, perCharacter ? 0 : tiles.size() - 1);
    out.insert(out.end(), {1, 1}); // tiles of 1 x 1
    putWord(out, size_t(visible.width));
    putWord(out, size_t(visible.height));

    const std::span<const uint8_t> glyphs = allGlyphs(document.charset);
    out.insert(out.end(), glyphs.begin(), glyphs.end());
    for (const int colour : characterColour) // material 0, the colour in the low nibble
        out.push_back(uint8_t(perCharacter && colour >= 0 ? colour : ink));
    if (!perCharacter) {
        for (const uint32_t tile : tiles) putWord(out, tile / 16);
        for (const uint32_t tile : tiles) out.push_back(uint8_t(tile % 16));
    }
    for (const size_t entry : entries) putWord(out, entry);
    return out;
}
