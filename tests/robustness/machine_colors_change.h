// Machine colours changed by the monkey: a click on a swatch of the Colours window, as a user
// chooses them, or set between events through the editor, to reach every colour of every mode
// whatever the mode shown.
#pragma once

#include <string>

#include "monkey_program.h"

// Random C64 colours, Atari registers and Spectrum attribute, set through the editor; then
// the undo step, the kept session and the refresh learn of them as after an event.
std::string setRandomMachineColors(MonkeyRandom& random, MonkeyProgram& program);

// Shows the Colours window and clicks anywhere on one of its rows of swatches, used or not.
std::string clickRandomSwatch(MonkeyRandom& random, toolkit::HeadlessBinding& ui);
