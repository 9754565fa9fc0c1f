#include "app/session_commands.h"

#include "app/cursor.h"
#include "app/file_commands.h"
#include "app/map_commands.h"
#include "app/menus.h"
#include "app/refresh.h"
#include "toolkit/files.h"
#include "toolkit/menus.h"
#include "toolkit/requesters.h"
#include "toolkit/texts.h"
#include "toolkit/windows.h"

using namespace toolkit;

namespace {

// A session is a few kilobytes, a recent-files list less: anything larger is not one.
constexpr int64_t largestKeptFile = 1 << 16;

std::string sessionFolder() {
    return user_folder(UserFolder::state) + "gridlet/";
}
std::string sessionFile() {
    return sessionFolder() + "session";
}
std::string settingsFolder() {
    return user_folder(UserFolder::config) + "gridlet/";
}
std::string recentFilesFile() {
    return settingsFolder() + "recent-files";
}

Session currentSession(const AppState& state) {
    const Document& document = state.document;
    return {document.charset,   document.mapCells,   document.mapWidth,
            document.mapHeight, document.paperColor, document.inkColor,
            state.currentChar,  document.range,      state.gridOnMap};
}

void writeSession(AppState& state, const Session& session) {
    stop_timer(sessionTimer);
    state.keptSession = session;
    if (make_folder(sessionFolder())) save_file_later(sessionFile(), encodeSession(session));
}

void writeRecentFiles(const AppState& state) {
    const std::string text = encodeRecentFiles(state.recentFiles);
    if (make_folder(settingsFolder()))
        writeFile(recentFilesFile(),
                  std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

// The list is shown in File > "Open recent"; the menus are made anew to show it.
void recentFilesChanged(AppState& state) {
    writeRecentFiles(state);
    if (menu_exists(mainMenu)) {
        createMainMenu(state.recentFiles);
        state.shown.gadgetsShown = false; // the new bar shows its marks and greying afresh
    }
}

} // namespace

void readKeptFiles(AppState& state) {
    if (const auto bytes = readFile(sessionFile(), largestKeptFile))
        state.lastSession = decodeSession(*bytes);
    else if (file_size(sessionFile()) != file_missing)
        state.lastSession = SessionReading{{}, "its file cannot be read"};
    if (const auto bytes = readFile(recentFilesFile(), largestKeptFile))
        state.recentFiles =
            decodeRecentFiles({reinterpret_cast<const char*>(bytes->data()), bytes->size()});
}

void startKeepingSession(AppState& state) {
    state.keepingSession = true;
    state.keptSession = state.seenSession = currentSession(state);
}

void noteSessionChanges(AppState& state) {
    const Session session = currentSession(state);
    if (session == state.seenSession) return;
    state.seenSession = session;
    start_timer(sessionTimer, sessionDelay);
}

void keepSession(AppState& state) {
    const Session session = currentSession(state);
    if (session != state.keptSession) writeSession(state, session);
}

void keepSessionAtQuit(AppState& state) {
    keepSession(state);
    finish_saves();
}

void restoreLastSession(AppState& state) {
    if (!state.lastSession) return;
    if (!state.lastSession->problem.empty()) {
        message_requester(
            "Restore last session",
            "The last session cannot be restored: " + state.lastSession->problem + ".", message_ok);
        return;
    }
    const Session& session = state.lastSession->session;
    Document& document = state.document;
    const bool resized =
        document.mapWidth != session.mapWidth || document.mapHeight != session.mapHeight;
    document.charset = session.charset;
    document.mapCells = session.mapCells;
    document.mapWidth = session.mapWidth;
    document.mapHeight = session.mapHeight;
    document.paperColor = session.paperColor;
    document.inkColor = session.inkColor;
    document.range = session.range;
    state.gridOnMap = session.gridOnMap;
    if (resized) fitMapWindow(document);
    requestRedraw(state, redrawGlyphViews | redrawMap | redrawRangeLabels);
    selectCell(state, {session.currentChar % 16, session.currentChar / 16});
}

void rememberRecentFile(AppState& state, RecentFile::Kind kind, const std::string& name) {
    const std::vector<RecentFile> before = state.recentFiles;
    rememberRecent(state.recentFiles, {kind, name});
    if (state.recentFiles != before) recentFilesChanged(state);
}

void openRecentFile(AppState& state, int index) {
    if (index < 0 || size_t(index) >= state.recentFiles.size()) return;
    const RecentFile file = state.recentFiles[size_t(index)];
    if (file_size(file.name) == file_missing) {
        // Gone: the message of its kind of file, and it leaves the list.
        if (file.kind == RecentFile::Kind::font)
            message_requester("No file", file.name, message_ok);
        else
            message_requester("Open File", "unable to open:" + file.name, message_ok);
        state.recentFiles.erase(state.recentFiles.begin() + index);
        recentFilesChanged(state);
        return;
    }
    state.lastFolder = path_part(file.name);
    if (file.kind == RecentFile::Kind::font) {
        loadFontFile(state, file.name);
        requestRedraw(state, redrawGlyphViews);
    } else {
        loadMapFile(state, file.name);
    }
}
