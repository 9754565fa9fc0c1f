#include "app/file_commands.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "app/refresh.h"
#include "app/session_commands.h"
#include "files/font_file.h"
#include "files/font_formats.h"
#include "files/map_file.h"
#include "toolkit/drawing.h"
#include "toolkit/files.h"
#include "toolkit/requesters.h"
#include "toolkit/texts.h"

using namespace toolkit;

namespace {

constexpr int fileNumber = 0;
constexpr int fontPattern = 0;
constexpr int mapPattern = 1;
constexpr int allFontsPattern = 2;
// Larger files are read only as raw fonts, of which no more than the charset holds is used.
constexpr int64_t largestFontFile = int64_t(16) << 20;

// Puts what was read into the charset; says what of it did not fit.
std::string placeFontReading(AppState& state, const FontReading& reading) {
    Charset& charset = state.document.charset;
    for (const auto& [code, glyph] : reading.coded)
        std::copy(glyph.begin(), glyph.end(), glyphOf(charset, code).begin());
    const int first = reading.atCurrentChar ? state.currentChar : reading.firstCode;
    const size_t placed = placeFont(charset, first, reading.bytes);
    // Only the glyph rows of a header-less file run past the end unseen, as they always have.
    state.codePage = CodePage::none;
    if (reading.raw || placed == reading.bytes.size()) return reading.note;
    const std::string cut = std::to_string((reading.bytes.size() - placed) / glyphBytes) +
                            " glyphs did not fit after glyph 255";
    return reading.note.empty() ? cut : cut + ";\n" + reading.note;
}

// The file's name, then on a line of its own why the system would not have it.
std::string withReason(const std::string& name, const std::string& why) {
    return why.empty() ? name : name + "\n" + why + ".";
}

// Why a file whose size is not positive cannot be loaded.
std::string unloadableReason(const std::string& name, int64_t size) {
    if (size == 0) return "it is empty";
    if (size == file_is_folder) return "it is a folder";
    if (open_file_for_reading(fileNumber, name)) { // there after all: it came meanwhile
        close_file(fileNumber);
        return "";
    }
    return last_file_problem();
}

} // namespace

std::optional<std::vector<uint8_t>> readFile(const std::string& name, int64_t most) {
    if (!open_file_for_reading(fileNumber, name)) return std::nullopt;
    std::vector<uint8_t> bytes(size_t(std::max<int64_t>(most, 0)));
    bytes.resize(size_t(read_data(fileNumber, bytes.data(), int64_t(bytes.size()))));
    close_file(fileNumber);
    return bytes;
}

bool writeFile(const std::string& name, std::span<const uint8_t> bytes) {
    if (!create_file(fileNumber, name)) return false;
    const int64_t length = int64_t(bytes.size());
    const bool written = length == 0 || write_data(fileNumber, bytes.data(), length) == length;
    // Closed even after a failed write: closing is what throws the unfinished file away.
    const bool closed = close_file(fileNumber) != 0;
    return written && closed;
}

std::string askSaveName(AppState& state, const std::string& defaultPath,
                        const std::string& patterns,
                        std::initializer_list<std::string_view> extensions) {
    std::string name = save_file_requester("Please choose file to save", defaultPath, patterns, 0);
    if (name.empty()) return name;
    state.lastFolder = path_part(name);
    const size_t pattern = size_t(std::max(selected_file_pattern(), 0));
    const std::string extension(extensions.begin()[std::min(pattern, extensions.size() - 1)]);
    if (lower_case(right_part(name, int(extension.size()))) != extension) name += extension;
    return name;
}

void tellSaveFailed(const std::string& name) {
    message_requester("Save file", "File Error:" + withReason(name, last_file_problem()),
                      message_ok);
}

bool saveBytes(const std::string& name, std::span<const uint8_t> bytes) {
    if (writeFile(name, bytes)) return true;
    tellSaveFailed(name);
    return false;
}

void openFile(AppState& state) {
    const std::string name =
        open_file_requester("Please choose file to load", state.lastFolder,
                            std::string("Font (*.fnt)|*.fnt|Character map (*.map)|*.map|"
                                        "Fonts and pictures (PSF, BDF, .64c, PNG, BMP, raw)|") +
                                fontFilesMask,
                            fontPattern);
    if (name.empty()) return;
    state.lastFolder = path_part(name);
    const int pattern = selected_file_pattern();
    if (pattern == fontPattern || pattern == allFontsPattern) {
        loadFontFile(state, name);
        requestRedraw(state, redrawGlyphViews);
    } else if (pattern == mapPattern) {
        loadMapFile(state, name);
        state.mapFileName = name; // even when the load failed, unlike a drop
    }
}

void loadFontFile(AppState& state, const std::string& name) {
    if (trim_spaces(name).empty()) return;
    const int64_t size = file_size(name);
    const std::optional<std::vector<uint8_t>> bytes =
        size > 0 ? readFile(name, std::min(size, largestFontFile)) : std::nullopt;
    const Document& document = state.document;
    const FontReading reading =
        bytes ? decodeFontFile(*bytes, name, document.paperColor, document.inkColor)
              : FontReading{};
    // The question of a raw 96-glyph set comes first, as it always has; a file that cannot be
    // read is asked about too, since nothing tells it is not one.
    if (size == zxFontBytes && (!bytes || reading.raw) &&
        message_requester("ZX font", "Do yo want to place at pos #32?", message_yes_no) ==
            message_result_yes) {
        state.currentChar = zxFontFirstCode;
        state.cursorColumn = zxFontFirstCode % 16;
        state.cursorRow = zxFontFirstCode / 16;
    }
    if (size < 1) {
        message_requester("No file", withReason(name, unloadableReason(name, size)), message_ok);
        return;
    }
    if (!bytes) {
        message_requester("Read error", withReason(name, last_file_problem()), message_ok);
        return;
    }
    // Only a raw font may be larger: of it no more than the charset holds is used. Any other
    // format is refused by its size, whatever its cut-off start would have said.
    std::string problem = reading.problem;
    if (!reading.raw && size > largestFontFile)
        problem = "it is larger than any font gridlet reads";
    if (!problem.empty()) {
        message_requester("Open File", "not read:" + name + "\n" + problem + ".", message_ok);
        return;
    }
    state.lastFolder = path_part(name);
    rememberRecentFile(state, RecentFile::Kind::font, name);
    const std::string note = placeFontReading(state, reading);
    if (!note.empty()) message_requester("Open File", name + "\n" + note + ".", message_ok);
}

void loadMapFile(AppState& state, const std::string& name) {
    Document& document = state.document;
    const int64_t cells = int64_t(document.mapWidth) * document.mapHeight;
    // A missing file has a negative size, so it falls through to the failed open below.
    if (file_size(name) > cells) {
        message_requester("Open File", "to big map:" + name, message_ok);
        return;
    }
    const std::optional<std::vector<uint8_t>> bytes = readFile(name, cells);
    if (!bytes) {
        message_requester("Open File", "unable to open:" + withReason(name, last_file_problem()),
                          message_ok);
        return;
    }
    placeMap(document.mapCells, document.mapWidth, document.mapHeight, *bytes);
    requestRedraw(state, redrawMap);
    state.mapFileName = name;
    rememberRecentFile(state, RecentFile::Kind::map, name);
}

void saveFont(AppState& state, int length) {
    const std::optional<std::vector<uint8_t>> bytes =
        encodeFont(state.document.charset, state.currentChar, length);
    if (!bytes) {
        message_requester("Save File", "out of size", message_ok);
        return;
    }
    const std::string name = askSaveName(state, state.lastFolder, "Font (*.fnt)|*.fnt", {".fnt"});
    if (!name.empty() && saveBytes(name, *bytes))
        rememberRecentFile(state, RecentFile::Kind::font, name);
}

void saveMap(AppState& state) {
    const std::string name =
        askSaveName(state, state.mapFileName, "Character map (*.map)|*.map", {".map"});
    const Document& document = state.document;
    if (!name.empty() &&
        saveBytes(name, encodeMap(document.mapCells, document.mapWidth, document.mapHeight)))
        rememberRecentFile(state, RecentFile::Kind::map, name);
}

void exportCharsetImage(AppState& state) {
    const std::string name = askSaveName(state, state.lastFolder, ".bmp", {".bmp"});
    if (!name.empty() && !save_image(charsetImage, name)) tellSaveFailed(name);
}

void handleDroppedFiles(AppState& state, int gadget, const std::string& names) {
    const std::string first = names.substr(0, names.find('\n'));
    if (gadget == charsetView) {
        loadFontFile(state, first);
        requestRedraw(state, redrawGlyphViews);
    } else if (gadget == mapView) {
        loadMapFile(state, first);
        requestRedraw(state, redrawMap);
    }
}
