// File > Save > "Project..." and the opening of a project: the whole piece of work in one file.
#pragma once

#include <string>

#include "app/app_state.h"

constexpr const char* projectType = "gridlet project (*.gridlet)|*.gridlet";

// Saves every field of the editor under the name asked for; a failed save is reported and
// leaves any old file as it was.
void saveProject(const Editor& editor, WindowsState& windows, SessionKeeper& session);
// Puts every field of the project in the editor as one undo step. A damaged or foreign file, or
// one that cannot be read, is reported with why and changes nothing.
void loadProjectFile(AppState& state, const std::string& name);
