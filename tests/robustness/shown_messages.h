// The message boxes the program may show, and whether a shown one is right.
#pragma once

#include <set>
#include <string>

#include "app/app_state.h"
#include "toolkit/headless/headless_binding.h"

// The box is one of the program's own messages, with its own flags; a file name in it is one
// the user gave (possibly with the extension a save appends); a failure it reports has a
// reason in the file system as it stands (and in the map size).
// The name was given to the program, or is one given with the extension a save appends.
bool givenName(const std::string& name, const std::set<std::string>& offeredNames);

std::string messageProblem(const toolkit::ShownMessage& message,
                           const std::set<std::string>& offeredNames, const AppState& state);
