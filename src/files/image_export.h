// The "Characters image" command: the charset picture saved as a BMP file.
#pragma once

#include "app/state/app_state.h"

// Asks for a name, appends ".bmp" when missing and saves image 0; a failure is reported.
void exportCharsetImage(AppState& state);
