// What must hold after every event, whatever the user did. Each check returns "" when all is
// well, or a description of what is wrong.
#pragma once

#include <set>
#include <string>

#include "app/app_state.h"

// The cursor and the current char agree, the map has one of its sizes and holds only codes,
// a map selection is whole or absent, the range trackbars stay in 0..255 and their labels
// name their values.
std::string stateProblem(const AppState& state);

// The map file name is the start-up one or one the user gave; the folder the requesters open
// in is the start-up folder or the folder of a name the user gave.
std::string fileNameProblem(const AppState& state, const std::set<std::string>& offeredNames,
                            const std::string& startFolder);

// Every change is in the undo history once no stroke goes on, and undoing every step kept then
// redoing as many gives the document back (tried on a copy).
std::string undoProblem(const AppState& state, bool roundTrip);

// The views as the refresh left them, cell by changed cell, are what a full redraw of the same
// state, feedback included, draws. Redraws them in full to find out.
std::string incrementalRedrawProblem(AppState& state);

// Image 0, the glyph editor, the map view (but for one hover outline) and the data field (unless
// it still shows what the user typed into it) show exactly what the state holds.
std::string viewProblem(const AppState& state, const std::string& typedText);
