// The Help menu: a reference of the keys and the mouse, and what gridlet is.
#pragma once

#include "app/app_state.h"

void showKeysAndMouse(AppState& state);
void showAbout(AppState& state);
