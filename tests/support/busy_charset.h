// A charset of glyphs of the height with about half the pixels of every glyph set, the same for
// a given seed.
#pragma once

#include <cstdint>

#include "model/charset.h"

Charset busyCharset(uint32_t seed, int glyphHeight = 8);
