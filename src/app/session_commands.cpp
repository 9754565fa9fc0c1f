#include "app/session_commands.h"

#include "app/cursor.h"
#include "app/map_commands.h"
#include "app/whole_files.h"
#include "toolkit/files.h"
#include "toolkit/requesters.h"
#include "toolkit/windows.h"
#include "views/charset_image.h"

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
void tellKeepingFailed(SessionKeeper& session, const std::string& folder, const std::string& why) {
    if (session.failureTold) return;
    session.failureTold = true;
    message_requester("gridlet",
                      "Your work cannot be kept in " + folder +
                          " for \"Restore last session\": " + why + ".",
                      message_ok);
}

void writeRecentFiles(SessionKeeper& session) {
    const std::string folder = settingsFolder();
    if (folder.empty()) return;
    const std::string text = encodeRecentFiles(session.recentFiles);
    if (!make_folder(folder) ||
        !writeFile(recentFilesFile(),
                   std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size())))
        tellKeepingFailed(session, folder, last_file_problem());
}

// The list goes to disk now; File > "Open recent" shows it once the event is handled.
void recentFilesChanged(SessionKeeper& session) {
    writeRecentFiles(session);
    session.recentFilesChanged = true;
}

} // namespace

Session sessionOf(const Editor& editor) {
    return {editor.document(), editor.currentChar()};
}

void readKeptFiles(SessionKeeper& session) {
    if (!sessionFolder().empty()) {
        if (const auto bytes = readFile(sessionFile(), largestKeptFile))
            session.lastSession = decodeSession(*bytes);
        else if (file_size(sessionFile()) != file_missing)
            session.lastSession = SessionReading{{}, "its file cannot be read"};
    }
    if (settingsFolder().empty()) return;
    if (const auto bytes = readFile(recentFilesFile(), largestKeptFile))
        session.recentFiles =
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

void startKeepingSession(SessionKeeper& session, const Editor& editor) {
    session.keeping = true;
    session.keptRevision = session.seenRevision = editor.revision();
}

void noteSessionChanges(SessionKeeper& session, const Editor& editor) {
    // A save on the thread of its own that failed is learnt of here, after the event it ended in.
    if (const std::string why = take_background_save_problem(); !why.empty())
        tellKeepingFailed(session, sessionFolder(), why);
    if (editor.revision() == session.seenRevision) return;
    session.seenRevision = editor.revision();
    start_timer(sessionTimer, sessionDelay);
}

void keepSession(SessionKeeper& session, const Editor& editor) {
    if (editor.revision() == session.keptRevision) return;
    stop_timer(sessionTimer);
    session.keptRevision = editor.revision();
    const std::string folder = sessionFolder();
    if (folder.empty()) return;
    if (make_folder(folder))
        save_file_later(sessionFile(), encodeSession(sessionOf(editor)));
    else
        tellKeepingFailed(session, folder, last_file_problem());
}

void keepSessionAtQuit(SessionKeeper& session, const Editor& editor) {
    session.failureTold = true; // no message while the program ends
    keepSession(session, editor);
    finish_saves();
}

void restoreLastSession(AppState& state) {
    const std::optional<SessionReading>& last = state.session.lastSession;
    if (!last) return;
    if (!last->problem.empty()) {
        message_requester("Restore last session",
                          "The last session cannot be restored: " + last->problem + ".",
                          message_ok);
        return;
    }
    placeSession(state, last->session);
}

void placeSession(AppState& state, const Session& session) {
    const Document& document = state.editor.document();
    const bool resized = document.mapWidth != session.document.mapWidth ||
                         document.mapHeight != session.document.mapHeight;
    placeSessionFields(state.editor, session);
    if (resized) fitMapWindow(document);
    selectCell(state.editor, state.windows, charsetCell(session.currentChar));
}

void placeSessionFields(Editor& editor, const Session& session) {
    placeKeptFields(editor.changeDocument(), session.document);
    editor.setCurrentChar(session.currentChar);
}

void rememberRecentFile(SessionKeeper& session, RecentFile::Kind kind, const std::string& name) {
    const std::vector<RecentFile> before = session.recentFiles;
    rememberRecent(session.recentFiles, {kind, name});
    if (session.recentFiles != before) recentFilesChanged(session);
}

void forgetRecentFile(SessionKeeper& session, int index) {
    session.recentFiles.erase(session.recentFiles.begin() + index);
    recentFilesChanged(session);
}
