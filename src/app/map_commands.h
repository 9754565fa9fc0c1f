// The map commands as the menus run them: screen sizes, fill, grid and the popup edits.
#pragma once

#include "app/app_state.h"

// Sizes the map view and the Character map window's inner area to exactly the map, redraws
// it and shows the window.
void setMapSize(AppState& state, MapSize size);
// The map view and the window's inner area take exactly the document's map size.
void fitMapWindow(const Document& document);
// Every visible cell becomes the current char.
void fillMapWithCurrentChar(AppState& state);
void toggleGrid(AppState& state);

enum class MapEdit { insertChar, deleteChar, insertLine, deleteLine, insertColumn, deleteColumn };
// Acts on the cell of the last right click, once: the selection is used up.
void editMap(AppState& state, MapEdit edit);
