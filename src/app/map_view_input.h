// The mouse on the map view: painting cells, the hover outline and title, the edit menu.
#pragma once

#include "app/app_state.h"

void handleMapViewEvent(AppState& state);
