// Raw font files: glyph rows with no header, placed from the current char on.
#pragma once

#include <string>

#include "app/state/app_state.h"

// Reads as much of the file as fits from glyph currentChar on; asks whether a 768-byte file is
// a 96-glyph set for code 32. Reports a missing or unreadable file. The caller redraws.
void loadFontFile(AppState& state, const std::string& name);
