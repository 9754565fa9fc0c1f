// Machine colours changed between events, as a window that sets them would: the monkey's way
// to reach every colour while no window of the program offers them.
#pragma once

#include <string>

#include "monkey_program.h"

// Random C64 colours, Atari registers and Spectrum attribute, set through the editor; then
// the undo step, the kept session and the refresh learn of them as after an event.
std::string setRandomMachineColors(MonkeyRandom& random, MonkeyProgram& program);
