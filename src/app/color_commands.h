// The commands of the colour modes: the mode itself, the machine's colours, the pen that paints
// wide pixels and the Colours window that chooses them.
#pragma once

#include "app/windows_state.h"
#include "model/color_choices.h"
#include "model/editor.h"

void setColorMode(Editor& editor, ColorMode mode);
// The bit pair the left button paints in the multicolour modes.
void choosePen(Editor& editor, Pen pen);
// A number of the machine's palette for one of the mode's colours, or the pen: one undo step.
void chooseColor(Editor& editor, ColorChoice choice, int number);
// Shows the Colours window, or brings it back.
void showColorsWindow(const WindowsState& windows);
