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

// "" where the user has no such folder: then nothing is kept.
std::string ownFolder(UserFolder which) {
    const std::string folder = user_folder(which);
    return folder.empty() ? folder : folder + "gridlet/";
}
std::string sessionFolder() {
    return ownFolder(UserFolder::state);
}
std::string sessionFile() {
    return sessionFolder() + "session";
}
std::string settingsFolder() {
    return ownFolder(UserFolder::config);
}
std::string recentFilesFile() {
    return settingsFolder() + "recent-files";
}

// The first keep of a run that fails is told, with where and why; later ones are not, so that a
// folder that stays unwritable does not interrupt the work every two seconds.
void tellKeepingFailed(AppState& state, const std::string& folder, const std::string& why) {
    if (state.keepingFailureTold) return;
    state.keepingFailureTold = true;
    message_requester("gridlet",
                      "Your work cannot be kept in " + folder +
                          " for \"Restore last session\": " + why + ".",
                      message_ok);
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
    const std::string folder = sessionFolder();
    if (folder.empty()) return;
    if (make_folder(folder))
        save_file_later(sessionFile(), encodeSession(session));
    else
        tellKeepingFailed(state, folder, last_file_problem());
}

void writeRecentFiles(AppState& state) {
    const std::string folder = settingsFolder();
    if (folder.empty()) return;
    const std::string text = encodeRecentFiles(state.recentFiles);
    if (!make_folder(folder) ||
        !writeFile(recentFilesFile(),
                   std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size())))
        tellKeepingFailed(state, folder, last_file_problem());
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
    if (!sessionFolder().empty()) {
        if (const auto bytes = readFile(sessionFile(), largestKeptFile))
            state.lastSession = decodeSession(*bytes);
        else if (file_size(sessionFile()) != file_missing)
            state.lastSession = SessionReading{{}, "its file cannot be read"};
    }
    if (settingsFolder().empty()) return;
    if (const auto bytes = readFile(recentFilesFile(), largestKeptFile))
        state.recentFiles =
            decodeRecentFiles({reinterpret_cast<const char*>(bytes->data()), bytes->size()});
}

void keepInPlaceBackups() {
    const std::string folder = sessionFolder();
    set_backup_folder(folder.empty() ? folder : folder + "backups/");
}

void tellLeftoverBackups() {
    const std::vector<std::string> backups = leftover_backups();
    if (backups.empty()) return;
    std::string names;
    for (const std::string& backup : backups) names += "\n" + backup;
    message_requester("Save file",
                      "A save was stopped before it ended. The old contents of the file it was "
                      "writing are kept in:" +
                          names,
                      message_ok);
}

void startKeepingSession(AppState& state) {
    state.keepingSession = true;
    state.keptSession = state.seenSession = currentSession(state);
}

void noteSessionChanges(AppState& state) {
    // A save on the thread of its own that failed is learnt of here, after the event it ended in.
    if (const std::string why = take_background_save_problem(); !why.empty())
        tellKeepingFailed(state, sessionFolder(), why);
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
    state.keepingFailureTold = true; // no message while the program ends
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
