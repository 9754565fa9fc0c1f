// The Colours window's rows of swatches: a click chooses the number under it.
#pragma once

#include "app/event.h"
#include "app/windows_state.h"
#include "model/editor.h"

// An event of one of the canvases colorRowSwatches + row.
void handleColorRowEvent(Editor& editor, const Event& event);
