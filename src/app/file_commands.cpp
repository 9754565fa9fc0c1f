#include "app/file_commands.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "app/refresh.h"
#include "files/font_file.h"
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

// Up to `most` bytes of the file, or nothing when it cannot be opened.
std::optional<std::vector<uint8_t>> readFile(const std::string& name, int64_t most) {
    if (!open_file_for_reading(fileNumber, name)) return std::nullopt;
    std::vector<uint8_t> bytes(size_t(std::max<int64_t>(most, 0)));
    bytes.resize(size_t(read_data(fileNumber, bytes.data(), int64_t(bytes.size()))));
    close_file(fileNumber);
    return bytes;
}

// True only when the whole file is under its name.
bool writeFile(const std::string& name, std::span<const uint8_t> bytes) {
    if (!create_file(fileNumber, name)) return false;
    const int64_t length = int64_t(bytes.size());
    const bool written = length == 0 || write_data(fileNumber, bytes.data(), length) == length;
    // Closed even after a failed write: closing is what throws the unfinished file away.
    const bool closed = close_file(fileNumber) != 0;
    return written && closed;
}

// The name the user chose with the extension appended where it is missing, or "" when the
// requester was cancelled.
std::string askSaveName(AppState& state, const std::string& defaultPath,
                        const std::string& patterns, const std::string& extension) {
    std::string name = save_file_requester("Please choose file to save", defaultPath, patterns, 0);
    if (name.empty()) return name;
    state.lastFolder = path_part(name);
    if (lower_case(right_part(name, 4)) != extension) name += extension;
    return name;
}

void saveBytes(const std::string& name, std::span<const uint8_t> bytes) {
    if (!writeFile(name, bytes)) message_requester("Save file", "File Error:" + name, message_ok);
}

} // namespace

void openFile(AppState& state) {
    const std::string name =
        open_file_requester("Please choose file to load", state.lastFolder,
                            "Font (*.fnt)|*.fnt|Character map (*.map)|*.map", fontPattern);
    if (name.empty()) return;
    state.lastFolder = path_part(name);
    const int pattern = selected_file_pattern();
    if (pattern == fontPattern) {
        loadFontFile(state, name);
        requestRedraw(state, redrawGlyphViews);
    } else if (pattern == mapPattern) {
        loadMapFile(state, name);
        state.mapFileName = name; // even when the load failed, unlike a drop
    }
}

void loadFontFile(AppState& state, const std::string& name) {
    if (trim_spaces(name).empty()) return;
    int64_t size = file_size(name);
    if (size == zxFontBytes && message_requester("ZX font", "Do yo want to place at pos #32?",
                                                 message_yes_no) == message_result_yes) {
        state.currentChar = zxFontFirstCode;
        state.cursorColumn = zxFontFirstCode % 16;
        state.cursorRow = zxFontFirstCode / 16;
    }
    if (size < 1) {
        message_requester("No file", name, message_ok);
        return;
    }
    const int64_t room = charsetBytes - glyphBytes * int64_t(state.currentChar);
    const std::optional<std::vector<uint8_t>> bytes = readFile(name, std::min(size, room));
    if (!bytes) {
        message_requester("Read error", name, message_ok);
        return;
    }
    state.lastFolder = path_part(name);
    placeFont(state.document.charset, state.currentChar, *bytes);
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
        message_requester("Open File", "unable to open:" + name, message_ok);
        return;
    }
    placeMap(document.mapCells, document.mapWidth, document.mapHeight, *bytes);
    requestRedraw(state, redrawMap);
    state.mapFileName = name;
}

void saveFont(AppState& state, int length) {
    const std::optional<std::vector<uint8_t>> bytes =
        encodeFont(state.document.charset, state.currentChar, length);
    if (!bytes) {
        message_requester("Save File", "out of size", message_ok);
        return;
    }
    const std::string name = askSaveName(state, state.lastFolder, "Font (*.fnt)|*.fnt", ".fnt");
    if (!name.empty()) saveBytes(name, *bytes);
}

void saveMap(AppState& state) {
    const std::string name =
        askSaveName(state, state.mapFileName, "Character map (*.map)|*.map", ".map");
    const Document& document = state.document;
    if (!name.empty())
        saveBytes(name, encodeMap(document.mapCells, document.mapWidth, document.mapHeight));
}

void exportCharsetImage(AppState& state) {
    const std::string name = askSaveName(state, state.lastFolder, ".bmp", ".bmp");
    if (!name.empty() && !save_image(charsetImage, name))
        message_requester("Save file", "File Error:" + name, message_ok);
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
