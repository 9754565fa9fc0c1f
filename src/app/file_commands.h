// The commands that read and write files: "Open...", "Open recent", the saves of the File menu,
// the charset picture, files dropped on the views and the font named on the command line. The
// files library decodes and encodes; these ask the questions and show the messages.
#pragma once

#include <string>

#include "app/app_state.h"

// Asks for a file and opens it as what it holds; a raw font or map, which says nothing of what it
// is, as the file type chosen in the requester says.
void openFile(AppState& state);
// File > "Open recent": the list's entry, as what it holds, a raw one as it was opened before; a
// name that is gone leaves the list.
void openRecentFile(AppState& state, int index);

// Saves the glyphs of length bytes at 8 rows (768, 1024 or 2048: 96, 128 or 256 glyphs) from the
// current char on, at the set's height. A failed save is reported and leaves any old file as it
// was.
void saveFont(const Editor& editor, WindowsState& windows, SessionKeeper& session, int length);
// Saves the visible map cells.
void saveMap(const Editor& editor, WindowsState& windows, SessionKeeper& session);
// Saves the visible cells' colours, a byte a cell in the map's order; offered beside the map.
void saveMapColors(const Editor& editor, WindowsState& windows, SessionKeeper& session);
// Saves the charset picture the charset view shows as a BMP file, with the colours that drew it.
void exportCharsetImage(const Editor& editor, WindowsState& windows);

// Files dropped on either view open as what they hold; raw ones on the charset view as a font,
// on the map view as a map (a .col file as the map's colours). Of several (one name a line) only
// the first.
void handleDroppedFiles(AppState& state, int gadget, const std::string& names);
