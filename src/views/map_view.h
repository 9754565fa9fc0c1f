// The map view: the character map as a text screen of glyphs at twice their size.
#pragma once

#include "app/state/app_state.h"

// Redraws the visible mapWidth x mapHeight cells; does nothing without a map window.
void drawMap(const AppState& state);
