#include "app/file_commands.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "app/font_loading.h"
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

constexpr int fontPattern = 0;
constexpr int mapPattern = 1;
constexpr int allFontsPattern = 2;

} // namespace

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
    message_requester("Save file", saveFailedText(name), message_ok);
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
    const FontFileLoad load =
        readFontFile(name, state.document.paperColor, state.document.inkColor);
    // The question of a raw 96-glyph set comes first, as it always has; a file that cannot be
    // read is asked about too, since nothing tells it is not one.
    if (load.size == zxFontBytes && (!load.readable || load.reading.raw) &&
        message_requester("ZX font", "Do yo want to place at pos #32?", message_yes_no) ==
            message_result_yes) {
        state.currentChar = zxFontFirstCode;
        state.cursorColumn = zxFontFirstCode % 16;
        state.cursorRow = zxFontFirstCode / 16;
    }
    if (!load.loaded()) {
        message_requester(load.failure, load.failureText, message_ok);
        return;
    }
    state.lastFolder = path_part(name);
    rememberRecentFile(state, RecentFile::Kind::font, name);
    const std::string note = placeFontReading(state, load.reading);
    if (!note.empty()) message_requester("Open File", loadNoteText(name, note), message_ok);
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
