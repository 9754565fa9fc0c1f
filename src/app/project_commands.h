// File > Save > "Project..." and the opening of a project: the whole piece of work in one file,
// gridlet's own or another editor's (CharPad, VChar64, Petmate).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "files/kept_record.h"

constexpr const char* projectType = "gridlet project (*.gridlet)|*.gridlet";

// Saves every field of the editor under the name asked for; a failed save is reported and
// leaves any old file as it was.
void saveProject(const Editor& editor, WindowsState& windows, SessionKeeper& session);
// The project in the file, or the text of the message that says why it cannot be opened (none
// when the user chose no screen).
struct ProjectFileReading {
    std::optional<Session> project;
    std::string failureText;
    std::string note; // the message of what another editor's file held that gridlet left out
};
// The index of the screen chosen among a file's several, or -1 for none.
using ScreenChoice = std::function<int(const std::vector<std::string>& screens)>;
// Another editor's project puts what it holds into `current`.
ProjectFileReading readProjectFile(const std::string& name, const Session& current,
                                   const ScreenChoice& chooseScreen);
// Puts every field of the project in the editor as one undo step; a file of several screens asks
// which. A damaged or foreign file, or one that cannot be read, is reported with why and changes
// nothing; what another editor's file held that gridlet left out is said after it opened.
void loadProjectFile(AppState& state, const std::string& name);
