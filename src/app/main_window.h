// The two windows and their gadgets, at their places.
#pragma once

#include "app/windows_state.h"

// The main window's size for glyphs of 8 rows; taller glyphs make it taller.
constexpr int mainWindowWidth = 640;
constexpr int mainWindowLeastHeight = 480;

// The map window's title while the pointer has not been over the map.
constexpr const char* mapWindowTitle = "Character map";

// The charset view, the range labels and trackbars and the range checkbox.
void createRangeControls();
// The main window, its charset view and image, the range controls under them and the data field,
// sized for glyphs of the height.
void layOutForGlyphHeight(int glyphHeight);
// The four shift buttons, the data field and the glyph editor.
void createEditorControls();
// The Character map window, hidden, with the map view; sets mapWindowAvailable.
void openMapWindow(WindowsState& windows);
// The Colours window, hidden, with its labels and rows of swatches; sets colorsWindowAvailable.
void openColorsWindow(WindowsState& windows);
