// The opening of files: each kind's loader, and the choice among them by what a file's bytes
// say it is. A file that carries a mark (a project of gridlet's or of CharPad, VChar64 or Petmate,
// a console or BDF font, a picture) opens as
// what it is wherever it comes from; one without takes the use it was chosen for.
#pragma once

#include <string>

#include "app/app_state.h"

// What a file is opened as.
enum class FileUse { font, map, mapColors, project };

// By its mark, whatever its name; a file without one named as a project is still taken for one
// (and refused with why); any other as `unmarked` says. A file that cannot be read is taken as
// `unmarked` says, whose loader tells why.
FileUse useOfFile(const std::string& name, FileUse unmarked);
// Opens the file as useOfFile says, each kind as its loader below does; returns that use.
FileUse openFileAs(AppState& state, const std::string& name, FileUse unmarked);

// Reads as much of the font file as fits from the current char on; asks whether a 768-byte
// file is a 96-glyph set for code 32. Reports a missing or unreadable file.
void loadFontFile(AppState& state, const std::string& name);
// Fills the visible map cells in file order and remembers the name. A file larger than the
// map, or one that cannot be opened, is reported and changes nothing.
void loadMapFile(AppState& state, const std::string& name);
// Fills the visible cells' colours in file order, as one undo step. A file larger than the map,
// or one that cannot be opened, is reported and changes nothing.
void loadMapColorsFile(AppState& state, const std::string& name);
