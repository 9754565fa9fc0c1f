// The map commands as the menus run them: screen sizes, fill, grid and the popup edits.
#pragma once

#include "app/windows_state.h"
#include "model/editor.h"

// Sizes the map view and the Character map window's inner area to exactly the map, redraws
// it and shows the window.
void setMapSize(Editor& editor, MapSize size);
// The map view and the window's inner area take exactly the document's map size.
void fitMapWindow(const Document& document);
// Every visible cell becomes the current char, or every selected cell when cells are selected.
void fillMapWithCurrentChar(Editor& editor, const MapTyping& typing);
void toggleGrid(Editor& editor);

enum class MapEdit { insertChar, deleteChar, insertLine, deleteLine, insertColumn, deleteColumn };
// Acts on the cell of the last right click, once: the selection is used up.
void editMap(Editor& editor, PointerState& pointer, MapEdit edit);
