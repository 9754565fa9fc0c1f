#include "app/file_loading.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "app/font_loading.h"
#include "app/project_commands.h"
#include "app/session_commands.h"
#include "app/whole_files.h"
#include "files/file_kind.h"
#include "files/font_file.h"
#include "files/font_formats.h"
#include "files/map_file.h"
#include "files/other_editor_work.h"
#include "files/project_file.h"
#include "model/glyph_look.h"
#include "toolkit/files.h"
#include "toolkit/requesters.h"
#include "toolkit/texts.h"

using namespace toolkit;

namespace {

// No file gridlet reads by its mark is larger: a raw font is, and of it only the start counts.
constexpr int64_t largestMarkedFile = int64_t(16) << 20;

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

FileUse useOfFile(const std::string& name, FileUse unmarked) {
    const std::optional<std::vector<uint8_t>> bytes = readFile(name, largestMarkedFile);
    const std::span<const uint8_t> file =
        bytes ? std::span<const uint8_t>(*bytes) : std::span<const uint8_t>();
    switch (kindOfFile(file)) {
    case FileKind::project:
        return FileUse::project;
    case FileKind::markedFont:
        return FileUse::font;
    case FileKind::unmarked:
        break;
    }
    // Another editor's project is the whole work too, and opens as gridlet's own does.
    if (otherEditorOf(file, name)) return FileUse::project;
    return extensionOf(name) == projectExtension ? FileUse::project : unmarked;
}

FileUse openFileAs(AppState& state, const std::string& name, FileUse unmarked) {
    const FileUse use = useOfFile(name, unmarked);
    switch (use) {
    case FileUse::font:
        loadFontFile(state, name);
        break;
    case FileUse::map:
        loadMapFile(state, name);
        break;
    case FileUse::mapColors:
        loadMapColorsFile(state, name);
        break;
    case FileUse::project:
        loadProjectFile(state, name);
        break;
    }
    return use;
}

void loadFontFile(AppState& state, const std::string& name) {
    if (trim_spaces(name).empty()) return;
    Editor& editor = state.editor;
    const int height = editor.document().charset.height;
    FontFileLoad load = readFontFile(name, glyphLook(editor.document()), height);
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
    // A raw file of 256 glyphs of another height may be a font of that height: only its owner
    // knows.
    if (const int rows = rawFontHeight(load.size);
        load.reading.raw && rows != 0 && rows != height &&
        message_requester("Raw font",
                          "Open the file as 256 glyphs of 8 x " + std::to_string(rows) + " pixels?",
                          message_yes_no) == message_result_yes)
        load.reading.height = rows;
    state.windows.files.lastFolder = path_part(name);
    rememberRecentFile(state.session, RecentFile::Kind::font, name);
    const std::string note = placeFontReading(editor, load.reading);
    if (!note.empty()) message_requester("Open File", loadNoteText(name, note), message_ok);
}

void loadMapFile(AppState& state, const std::string& name) {
    const Document& document = state.editor.document();
    const std::optional<std::vector<uint8_t>> bytes = readMapShaped(document, name);
    if (!bytes) return;
    placeMap(state.editor.changeCells(), document.mapWidth, document.mapHeight, *bytes);
    state.windows.files.mapFileName = name;
    rememberRecentFile(state.session, RecentFile::Kind::map, name);
}

void loadMapColorsFile(AppState& state, const std::string& name) {
    const Document& document = state.editor.document();
    const std::optional<std::vector<uint8_t>> bytes = readMapShaped(document, name);
    if (!bytes) return;
    placeMap(state.editor.changeCellColors(), document.mapWidth, document.mapHeight, *bytes);
    rememberRecentFile(state.session, RecentFile::Kind::mapColors, name);
}
