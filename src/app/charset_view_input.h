// Mouse and keys on the charset view: choosing, dragging, inserting and deleting glyphs.
#pragma once

#include "app/app_state.h"

void handleCharsetViewEvent(AppState& state);
