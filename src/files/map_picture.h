// The character map as the machine shows it: the visible cells, one pixel a glyph pixel, each
// cell in its own colours (wide pixels two pixels wide), so a C64 40 x 25 screen is 320 x 200.
#pragma once

#include "files/picture.h"
#include "model/document.h"

Picture encodeMapPicture(const Document& document);
