#include "app/file_commands.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "app/export_encoding.h"
#include "app/file_requests.h"
#include "app/font_loading.h"
#include "app/project_commands.h"
#include "app/refresh.h"
#include "app/session_commands.h"
#include "app/whole_files.h"
#include "files/font_file.h"
#include "files/font_formats.h"
#include "files/map_file.h"
#include "files/project_file.h"
#include "toolkit/files.h"
#include "toolkit/requesters.h"
#include "toolkit/texts.h"

using namespace toolkit;

namespace {

constexpr int fontPattern = 0;
constexpr int mapPattern = 1;
constexpr int allFontsPattern = 2;
constexpr int mapColorsPattern = 3;
constexpr int projectPattern = 4;

constexpr std::string_view mapColorsType = "Character map colours (*.col)|*.col";
constexpr std::string_view mapColorsExtension = ".col";

// The bytes of a file laid out as the map is (its codes or its colours), up to one a visible
// cell; a larger file, or one that cannot be read, is reported and gives none.
std::optional<std::vector<uint8_t>> readMapShaped(const Document& document,
                                                  const std::string& name) {
    const int64_t cells = int64_t(document.mapWidth) * document.mapHeight;
    // A missing file has a negative size, so it falls through to the failed open below.
    if (file_size(name) > cells) {
        message_requester("Open File", "to big map:" + name, message_ok);
        return std::nullopt;
    }
    std::optional<std::vector<uint8_t>> bytes = readFile(name, cells);
    if (!bytes)
        message_requester("Open File", "unable to open:" + withReason(name, last_file_problem()),
                          message_ok);
    return bytes;
}

} // namespace

void openFile(AppState& state) {
    const std::string name = open_file_requester(
        "Please choose file to load", state.windows.lastFolder,
        std::string("Font (*.fnt)|*.fnt|Character map (*.map)|*.map|"
                    "Fonts and pictures (PSF, BDF, .64c, PNG, BMP, raw)|") +
            fontFilesMask + "|" + std::string(mapColorsType) + "|" + projectType,
        fontPattern);
    if (name.empty()) return;
    state.windows.lastFolder = path_part(name);
    const int pattern = selected_file_pattern();
    if (pattern == fontPattern || pattern == allFontsPattern) {
        loadFontFile(state, name);
        requestRedraw(state.windows, redrawGlyphViews);
    } else if (pattern == mapPattern) {
        loadMapFile(state, name);
        state.windows.mapFileName = name; // even when the load failed, unlike a drop
    } else if (pattern == mapColorsPattern) {
        loadMapColorsFile(state, name);
    } else if (pattern == projectPattern) {
        loadProjectFile(state, name);
    }
}

void openRecentFile(AppState& state, int index) {
    std::vector<RecentFile>& recentFiles = state.session.recentFiles;
    if (index < 0 || size_t(index) >= recentFiles.size()) return;
    const RecentFile file = recentFiles[size_t(index)];
    if (file_size(file.name) == file_missing) {
        // Gone: the message of its kind of file, and it leaves the list.
        if (file.kind == RecentFile::Kind::font)
            message_requester("No file", file.name, message_ok);
        else
            message_requester("Open File", "unable to open:" + file.name, message_ok);
        forgetRecentFile(state.session, index);
        return;
    }
    state.windows.lastFolder = path_part(file.name);
    switch (file.kind) {
    case RecentFile::Kind::font:
        loadFontFile(state, file.name);
        requestRedraw(state.windows, redrawGlyphViews);
        break;
    case RecentFile::Kind::map:
        loadMapFile(state, file.name);
        break;
    case RecentFile::Kind::mapColors:
        loadMapColorsFile(state, file.name);
        break;
    case RecentFile::Kind::project:
        loadProjectFile(state, file.name);
        break;
    }
}

void loadFontFile(AppState& state, const std::string& name) {
    if (trim_spaces(name).empty()) return;
    Editor& editor = state.editor;
    const FontFileLoad load = readFontFile(name, glyphLook(editor.document()));
    // The question of a raw 96-glyph set comes first, as it always has; a file that cannot be
    // read is asked about too, since nothing tells it is not one.
    if (load.size == zxFontBytes && (!load.readable || load.reading.raw) &&
        message_requester("ZX font", "Do yo want to place at pos #32?", message_yes_no) ==
            message_result_yes)
        editor.setCurrentChar(zxFontFirstCode);
    if (!load.loaded()) {
        message_requester(load.failure, load.failureText, message_ok);
        return;
    }
    state.windows.lastFolder = path_part(name);
    rememberRecentFile(state.session, RecentFile::Kind::font, name);
    const std::string note = placeFontReading(editor, load.reading);
    if (!note.empty()) message_requester("Open File", loadNoteText(name, note), message_ok);
}

void loadMapFile(AppState& state, const std::string& name) {
    const Document& document = state.editor.document();
    const std::optional<std::vector<uint8_t>> bytes = readMapShaped(document, name);
    if (!bytes) return;
    placeMap(state.editor.changeCells(), document.mapWidth, document.mapHeight, *bytes);
    requestRedraw(state.windows, redrawMap);
    state.windows.mapFileName = name;
    rememberRecentFile(state.session, RecentFile::Kind::map, name);
}

void loadMapColorsFile(AppState& state, const std::string& name) {
    const Document& document = state.editor.document();
    const std::optional<std::vector<uint8_t>> bytes = readMapShaped(document, name);
    if (!bytes) return;
    placeMap(state.editor.changeCellColors(), document.mapWidth, document.mapHeight, *bytes);
    requestRedraw(state.windows, redrawMap);
    rememberRecentFile(state.session, RecentFile::Kind::mapColors, name);
}

void saveFont(const Editor& editor, WindowsState& windows, SessionKeeper& session, int length) {
    const std::optional<std::vector<uint8_t>> bytes =
        encodeFont(editor.document().charset, editor.currentChar(), length);
    if (!bytes) {
        message_requester("Save File", "out of size", message_ok);
        return;
    }
    const std::string name =
        askSaveName(windows.lastFolder, windows.lastFolder, "Font (*.fnt)|*.fnt", {".fnt"});
    if (!name.empty() && saveBytes(name, *bytes))
        rememberRecentFile(session, RecentFile::Kind::font, name);
}

void saveMap(const Editor& editor, WindowsState& windows, SessionKeeper& session) {
    const std::string name = askSaveName(windows.lastFolder, windows.mapFileName,
                                         "Character map (*.map)|*.map", {".map"});
    const Document& document = editor.document();
    if (!name.empty() &&
        saveBytes(name, encodeMap(document.mapCells, document.mapWidth, document.mapHeight)))
        rememberRecentFile(session, RecentFile::Kind::map, name);
}

void saveMapColors(const Editor& editor, WindowsState& windows, SessionKeeper& session) {
    // Offered beside the map, under its name.
    const std::string& map = windows.mapFileName;
    const std::string offered =
        map.substr(0, map.size() - extensionOf(map).size()) + std::string(mapColorsExtension);
    const std::string name =
        askSaveName(windows.lastFolder, offered, std::string(mapColorsType), {mapColorsExtension});
    const Document& document = editor.document();
    if (!name.empty() &&
        saveBytes(name, encodeMap(document.mapColors, document.mapWidth, document.mapHeight)))
        rememberRecentFile(session, RecentFile::Kind::mapColors, name);
}

void exportCharsetImage(const Editor& editor, WindowsState& windows) {
    const std::string name = askSaveName(windows.lastFolder, windows.lastFolder, ".bmp", {".bmp"});
    if (!name.empty()) saveBytes(name, encodeCharsetPicture(editor.document()));
}

void handleDroppedFiles(AppState& state, int gadget, const std::string& names) {
    const std::string first = names.substr(0, names.find('\n'));
    if ((gadget == charsetView || gadget == mapView) && extensionOf(first) == projectExtension) {
        loadProjectFile(state, first);
    } else if (gadget == charsetView) {
        loadFontFile(state, first);
        requestRedraw(state.windows, redrawGlyphViews);
    } else if (gadget == mapView) {
        if (extensionOf(first) == mapColorsExtension)
            loadMapColorsFile(state, first);
        else
            loadMapFile(state, first);
        requestRedraw(state.windows, redrawMap);
    }
}
