// File > Save > "Project..." and the opening of a project: the whole piece of work in one file.
#pragma once

#include <optional>
#include <string>

#include "app/app_state.h"
#include "files/kept_record.h"

constexpr const char* projectType = "gridlet project (*.gridlet)|*.gridlet";

// Saves every field of the editor under the name asked for; a failed save is reported and
// leaves any old file as it was.
void saveProject(const Editor& editor, WindowsState& windows, SessionKeeper& session);
// The project in the file, or the text of the message that says why it cannot be opened.
struct ProjectFileReading {
    std::optional<Session> project;
    std::string failureText;
};
ProjectFileReading readProjectFile(const std::string& name);
// Puts every field of the project in the editor as one undo step. A damaged or foreign file, or
// one that cannot be read, is reported with why and changes nothing.
void loadProjectFile(AppState& state, const std::string& name);
