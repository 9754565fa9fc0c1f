// Raw character-map files: the visible cells row by row, one byte each, with no header. The
// file does not record the map size, so it is always read and written at the current size.
#pragma once

#include <string>

#include "app/state/app_state.h"

// Fills the visible cells in file order (a short file leaves the rest as they were), redraws
// the map and remembers the name. A file larger than the map, or one that cannot be opened,
// is reported and changes nothing.
void loadMapFile(AppState& state, const std::string& name);

// Writes the visible cells, low 8 bits each, to a file made by create_file. False when a byte
// could not be written.
bool writeMapCells(const AppState& state, int file);
