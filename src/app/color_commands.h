// The commands of the colour modes: the mode itself and the pen that paints wide pixels.
#pragma once

#include "app/windows_state.h"
#include "model/editor.h"

void setColorMode(Editor& editor, WindowsState& windows, ColorMode mode);
// The bit pair the left button paints in the multicolour modes.
void choosePen(Editor& editor, WindowsState& windows, Pen pen);
