#include "app/file_commands.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "app/export_encoding.h"
#include "app/file_loading.h"
#include "app/file_requests.h"
#include "app/project_commands.h"
#include "app/session_commands.h"
#include "app/whole_files.h"
#include "files/font_file.h"
#include "files/font_formats.h"
#include "files/project_file.h"
#include "toolkit/files.h"
#include "toolkit/requesters.h"
#include "toolkit/texts.h"

using namespace toolkit;

namespace {

// What a file without a mark is taken for, by the requester's file type.
constexpr FileUse patternUses[] = {FileUse::font,      FileUse::map,     FileUse::font,
                                   FileUse::mapColors, FileUse::project, FileUse::project};

constexpr std::string_view mapColorsType = "Character map colours (*.col)|*.col";
constexpr std::string_view mapColorsExtension = ".col";

} // namespace

void openFile(AppState& state) {
    const std::string name = open_file_requester(
        "Please choose file to load", state.windows.files.lastFolder,
        std::string("Font (*.fnt)|*.fnt|Character map (*.map)|*.map|"
                    "Fonts and pictures (PSF, BDF, .64c, PNG, BMP, raw)|") +
            fontFilesMask + "|" + std::string(mapColorsType) + "|" + projectType +
            "|Other editors' projects (CharPad, VChar64, Petmate)|*.ctm;*.vchar64proj;*.petmate",
        0);
    if (name.empty()) return;
    state.windows.files.lastFolder = path_part(name);
    const int pattern = selected_file_pattern();
    if (pattern < 0 || pattern >= int(std::size(patternUses))) return;
    if (openFileAs(state, name, patternUses[pattern]) == FileUse::map)
        state.windows.files.mapFileName = name; // even when the load failed, unlike a drop
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
    state.windows.files.lastFolder = path_part(file.name);
    switch (file.kind) {
    case RecentFile::Kind::font:
        openFileAs(state, file.name, FileUse::font);
        break;
    case RecentFile::Kind::map:
        openFileAs(state, file.name, FileUse::map);
        break;
    case RecentFile::Kind::mapColors:
        openFileAs(state, file.name, FileUse::mapColors);
        break;
    case RecentFile::Kind::project:
        openFileAs(state, file.name, FileUse::project);
        break;
    }
}

void saveFont(const Editor& editor, WindowsState& windows, SessionKeeper& session, int glyphs) {
    const std::optional<std::vector<uint8_t>> bytes =
        encodeFont(editor.document().charset, editor.currentChar(), glyphs);
    if (!bytes) {
        message_requester("Save File", "out of size", message_ok);
        return;
    }
    const std::string name = askSaveName(windows.files.lastFolder, windows.files.lastFolder,
                                         "Font (*.fnt)|*.fnt", {".fnt"});
    if (!name.empty() && saveBytes(name, *bytes))
        rememberRecentFile(session, RecentFile::Kind::font, name);
}

void saveMap(const Editor& editor, WindowsState& windows, SessionKeeper& session) {
    const std::string name = askSaveName(windows.files.lastFolder, windows.files.mapFileName,
                                         "Character map (*.map)|*.map", {".map"});
    if (!name.empty() &&
        saveBytes(name, encodeExport(editor.document(), ExportFormat::mapCells, name)))
        rememberRecentFile(session, RecentFile::Kind::map, name);
}

void saveMapColors(const Editor& editor, WindowsState& windows, SessionKeeper& session) {
    // Offered beside the map, under its name.
    const std::string& map = windows.files.mapFileName;
    const std::string offered =
        map.substr(0, map.size() - extensionOf(map).size()) + std::string(mapColorsExtension);
    const std::string name = askSaveName(windows.files.lastFolder, offered,
                                         std::string(mapColorsType), {mapColorsExtension});
    if (!name.empty() &&
        saveBytes(name, encodeExport(editor.document(), ExportFormat::mapColors, name)))
        rememberRecentFile(session, RecentFile::Kind::mapColors, name);
}

void exportCharsetImage(const Editor& editor, WindowsState& windows) {
    const std::string name =
        askSaveName(windows.files.lastFolder, windows.files.lastFolder, ".bmp", {".bmp"});
    if (!name.empty()) saveBytes(name, encodeCharsetPicture(editor.document()));
}

void handleDroppedFiles(AppState& state, int gadget, const std::string& names) {
    const std::string first = names.substr(0, names.find('\n'));
    if (gadget == charsetView) {
        openFileAs(state, first, FileUse::font);
    } else if (gadget == mapView) {
        openFileAs(state, first,
                   extensionOf(first) == mapColorsExtension ? FileUse::mapColors : FileUse::map);
    }
}
