// The Colours window: for each colour the mode lets the user choose, a label that names it with
// the number chosen, and a row of swatches, one a number, the chosen one marked beneath.
#pragma once

#include <string>

#include "model/color_choices.h"
#include "toolkit/drawing.h"

// A row canvas: the swatches over the strip that marks the chosen one. Every count of numbers
// divides the width.
constexpr int swatchRowWidth = 512;
constexpr int swatchHeight = 20;
constexpr int swatchRowHeight = swatchHeight + 8;

// The window: a label over each row, margins around.
constexpr int colorsMargin = 10;
constexpr int colorLabelHeight = 20;
constexpr int colorsWindowWidth = swatchRowWidth + 2 * colorsMargin;
constexpr int colorRowTop(int row) {
    return colorsMargin + row * (colorLabelHeight + swatchRowHeight + colorsMargin);
}
// The window's inner height for the rows of a mode; with none, it holds one label.
constexpr int colorsWindowHeight(int rows) {
    return rows == 0 ? colorLabelHeight + 2 * colorsMargin : colorRowTop(rows);
}

// What the window says in Two colours, which has no rows.
extern const char* const twoColorsNote;

// "Background ($D021): 6".
std::string colorRowText(const Document& document, ColorChoice choice);

// The colour a number of the choice shows, as the document shows it now.
toolkit::Color choiceColor(const Document& document, ColorChoice choice, int number);

// The number under a position on the row's canvas; -1 off the swatches.
int swatchAt(ColorChoice choice, int x, int y);

// Draws the row on the open pass.
void drawColorRow(const Document& document, ColorChoice choice);
// A row the mode does not use: the window's face.
void drawEmptyColorRow();
