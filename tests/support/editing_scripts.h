// Long runs of ordinary editing, scripted on the headless binding: painting over the glyph
// editor and moving the cursor with the arrow keys.
#pragma once

#include "gridlet_harness.h"

// Paints and erases pixels: strokes over the 64 cells of the glyph editor in reading order,
// with the left button for the first stroke, the right for the next, and so on. Every press
// and every move sets or clears one pixel.
void scriptGlyphStrokes(Gridlet& g, int pixels);
// Moves the cursor with key taps on the charset view, row by row: fifteen steps right, then
// one down.
void scriptCursorMoves(Gridlet& g, int moves);
