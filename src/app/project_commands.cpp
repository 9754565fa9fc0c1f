#include "app/project_commands.h"

#include <cstdint>
#include <optional>
#include <vector>

#include "app/file_requests.h"
#include "app/session_commands.h"
#include "app/whole_files.h"
#include "files/project_file.h"
#include "toolkit/files.h"
#include "toolkit/requesters.h"
#include "toolkit/texts.h"

using namespace toolkit;

namespace {

// A project is a few kilobytes: the bytes past these only tell that a file is too long.
constexpr int64_t largestProject = 1 << 16;

} // namespace

void saveProject(const Editor& editor, WindowsState& windows, SessionKeeper& session) {
    const std::string name = askSaveName(windows.files.lastFolder, windows.files.lastFolder,
                                         projectType, {projectExtension});
    if (!name.empty() && saveBytes(name, encodeProject(sessionOf(editor))))
        rememberRecentFile(session, RecentFile::Kind::project, name);
}

ProjectFileReading readProjectFile(const std::string& name) {
    const std::optional<std::vector<uint8_t>> bytes = readFile(name, largestProject);
    if (!bytes) return {std::nullopt, "unable to open:" + withReason(name, last_file_problem())};
    const SessionReading reading = decodeProject(*bytes);
    if (!reading.problem.empty())
        return {std::nullopt, "not read:" + name + "\n" + reading.problem + "."};
    return {reading.session, ""};
}

void loadProjectFile(AppState& state, const std::string& name) {
    const ProjectFileReading reading = readProjectFile(name);
    if (!reading.project) {
        message_requester("Open File", reading.failureText, message_ok);
        return;
    }
    placeSession(state, *reading.project);
    state.windows.files.lastFolder = path_part(name);
    rememberRecentFile(state.session, RecentFile::Kind::project, name);
}
