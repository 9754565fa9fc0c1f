// A charset with about half the pixels of every glyph set, the same for a given seed.
#pragma once

#include <cstdint>

#include "app/state/app_state.h"

Charset busyCharset(uint32_t seed);
