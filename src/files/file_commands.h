// The "Open..." command and the font and map saves of the File menu.
#pragma once

#include "app/state/app_state.h"

// The map length for saveFile; the font lengths are their byte counts.
constexpr int mapFileLength = -1;

// Asks for a file and loads it as a font or as a map, by the pattern chosen in the requester
// (not by the file's extension).
void openFile(AppState& state);

// Saves length bytes of the charset from the current char on (768, 1024 or 2048), or the map
// with mapFileLength. A failed save is reported and leaves any old file as it was.
void saveFile(AppState& state, int length);
