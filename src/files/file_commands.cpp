#include "files/file_commands.h"

#include <cstdint>
#include <string>

#include "files/font_file.h"
#include "files/map_file.h"
#include "toolkit/files.h"
#include "toolkit/requesters.h"
#include "toolkit/texts.h"
#include "views/charset_view.h"

using namespace toolkit;

namespace {

constexpr int savedFile = 0;
constexpr int fontPattern = 0;
constexpr int mapPattern = 1;

// Writes the font bytes or the map into a new file; true only when the file is complete
// under its name.
bool writeFile(const AppState& state, const std::string& name, int length) {
    if (!create_file(savedFile, name)) return false;
    const bool written =
        length == mapFileLength
            ? writeMapCells(state, savedFile)
            : write_data(savedFile, state.charset.data() + 8 * state.currentChar, length) == length;
    // Closed even after a failed write: closing is what throws the unfinished file away.
    const bool closed = close_file(savedFile) != 0;
    return written && closed;
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
        refreshCharset(state);
    } else if (pattern == mapPattern) {
        loadMapFile(state, name);
        state.mapFileName = name; // even when the load failed, unlike a drop
    }
}

void saveFile(AppState& state, int length) {
    const bool map = length == mapFileLength;
    const std::string patterns = map ? "Character map (*.map)|*.map" : "Font (*.fnt)|*.fnt";
    const std::string extension = map ? ".map" : ".fnt";
    const std::string& defaultPath = map ? state.mapFileName : state.lastFolder;
    if (!map && 8 * state.currentChar + length > charsetBytes) {
        message_requester("Save File", "out of size", message_ok);
        return;
    }
    std::string name =
        save_file_requester("Please choose file to save", defaultPath, patterns, fontPattern);
    if (name.empty()) return;
    state.lastFolder = path_part(name);
    if (lower_case(right_part(name, 4)) != extension) name += extension;
    if (!writeFile(state, name, length)) {
        message_requester("Save file", "File Error:" + name, message_ok);
    }
}
