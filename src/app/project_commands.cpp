#include "app/project_commands.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "app/file_requests.h"
#include "app/session_commands.h"
#include "app/whole_files.h"
#include "files/other_editor_work.h"
#include "files/petmate_file.h"
#include "files/project_file.h"
#include "toolkit/files.h"
#include "toolkit/requesters.h"
#include "toolkit/texts.h"

using namespace toolkit;

namespace {

// gridlet's project is a few kilobytes; other editors keep larger maps and sets, and Petmate many
// screens as text. The byte past these only tells that a file is too long.
constexpr int64_t largestProject = int64_t(16) << 20;

std::string refusalText(const std::string& name, const std::string& problem) {
    return "not read:" + name + "\n" + problem + ".";
}

ProjectFileReading readOtherEditorWork(const std::string& name, std::span<const uint8_t> file,
                                       OtherEditor editor, const Session& current,
                                       const ScreenChoice& chooseScreen) {
    size_t screen = 0;
    if (editor == OtherEditor::petmate) {
        const std::vector<std::string> screens = petmateScreenNames(file);
        if (screens.size() > 1) {
            const int chosen = chooseScreen(screens);
            if (chosen < 0 || size_t(chosen) >= screens.size()) return {};
            screen = size_t(chosen);
        }
    }
    const WorkReading reading = decodeOtherEditorWork(editor, file, current.document, screen);
    if (!reading.problem.empty()) return {std::nullopt, refusalText(name, reading.problem), ""};
    return {Session{reading.document, current.currentChar}, "",
            reading.note.empty() ? "" : name + "\n" + reading.note};
}

} // namespace

void saveProject(const Editor& editor, WindowsState& windows, SessionKeeper& session) {
    const std::string name = askSaveName(windows.files.lastFolder, windows.files.lastFolder,
                                         projectType, {projectExtension});
    if (!name.empty() && saveBytes(name, encodeProject(sessionOf(editor))))
        rememberRecentFile(session, RecentFile::Kind::project, name);
}

ProjectFileReading readProjectFile(const std::string& name, const Session& current,
                                   const ScreenChoice& chooseScreen) {
    const std::optional<std::vector<uint8_t>> bytes = readFile(name, largestProject + 1);
    if (!bytes)
        return {std::nullopt, "unable to open:" + withReason(name, last_file_problem()), ""};
    if (int64_t(bytes->size()) > largestProject)
        return {std::nullopt, refusalText(name, "the file is too large"), ""};
    // gridlet's mark wins over a name another editor's files take.
    if (!isProject(*bytes))
        if (const std::optional<OtherEditor> editor = otherEditorOf(*bytes, name))
            return readOtherEditorWork(name, *bytes, *editor, current, chooseScreen);
    const SessionReading reading = decodeProject(*bytes);
    if (!reading.problem.empty()) return {std::nullopt, refusalText(name, reading.problem), ""};
    return {reading.session, "", ""};
}

void loadProjectFile(AppState& state, const std::string& name) {
    const ProjectFileReading reading = readProjectFile(
        name, sessionOf(state.editor), [&](const std::vector<std::string>& screens) {
            return list_requester("Open File", name + "\nWhich of its screens should open?",
                                  screens);
        });
    if (!reading.project) {
        if (!reading.failureText.empty())
            message_requester("Open File", reading.failureText, message_ok);
        return;
    }
    placeSession(state, *reading.project);
    state.windows.files.lastFolder = path_part(name);
    rememberRecentFile(state.session, RecentFile::Kind::project, name);
    if (!reading.note.empty()) message_requester("Open File", reading.note, message_ok);
}
