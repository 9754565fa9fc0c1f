// The commands that read and write files: "Open...", "Open recent", the saves of the File menu,
// the charset picture, files dropped on the views and the font named on the command line. The
// files library decodes and encodes; these ask the questions and show the messages.
#pragma once

#include <string>

#include "app/app_state.h"

// Asks for a file and loads it as a font, a map, the map's colours or a project, by the pattern
// chosen in the requester (not by the file's extension).
void openFile(AppState& state);
// File > "Open recent": the list's entry, opened as it was; a name that is gone leaves the list.
void openRecentFile(AppState& state, int index);

// Reads as much of the font file as fits from the current char on; asks whether a 768-byte
// file is a 96-glyph set for code 32. Reports a missing or unreadable file.
void loadFontFile(AppState& state, const std::string& name);

// Fills the visible map cells in file order and remembers the name. A file larger than the
// map, or one that cannot be opened, is reported and changes nothing.
void loadMapFile(AppState& state, const std::string& name);
// Fills the visible cells' colours in file order, as one undo step. A file larger than the map,
// or one that cannot be opened, is reported and changes nothing.
void loadMapColorsFile(AppState& state, const std::string& name);

// Saves length bytes of the charset from the current char on (768, 1024 or 2048). A failed
// save is reported and leaves any old file as it was.
void saveFont(const Editor& editor, WindowsState& windows, SessionKeeper& session, int length);
// Saves the visible map cells.
void saveMap(const Editor& editor, WindowsState& windows, SessionKeeper& session);
// Saves the visible cells' colours, a byte a cell in the map's order; offered beside the map.
void saveMapColors(const Editor& editor, WindowsState& windows, SessionKeeper& session);
// Saves the charset picture the charset view shows as a BMP file, with the colours that drew it.
void exportCharsetImage(const Editor& editor, WindowsState& windows);

// Files dropped on the charset view load as a font, on the map view as a map (a .col file as the
// map's colours); a .gridlet file on either opens as a project. Of several (one name a line)
// only the first.
void handleDroppedFiles(AppState& state, int gadget, const std::string& names);
