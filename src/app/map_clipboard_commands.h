// Cut, copy, paste and fill of map cells: the selection, or the text cursor's cell, while
// "Type text" is on.
#pragma once

#include "app/windows_state.h"
#include "model/editor.h"

// Whether Edit's commands act on the map's cells rather than on glyphs: "Type text" is on and
// the command came from the Character map window.
bool editsMapCells(const MapTyping& typing, int commandWindow);

// The cells as gridlet's own form (codes and colours), as text through the set's encoding and
// as a picture in their colours.
void copyMapCells(const Editor& editor, const MapTyping& typing);
// Copies, then clears the cells to the space code.
void cutMapCells(Editor& editor, MapTyping& typing);
// Writes gridlet's own cells, else types the text in, from the selection's corner or the
// cursor, clipped at the map's edges.
void pasteMapCells(Editor& editor, MapTyping& typing);
