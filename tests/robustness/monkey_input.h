// One random thing a user could do to the running program, queued on its platform.
#pragma once

#include <string>

#include "monkey_program.h"

// Queues one input (mouse, keys, gadgets, menu ids, drops, closes) and returns what it was,
// for the trail printed when a check fails. Escape and closing the main window are rare, so
// that most runs go deep.
std::string scriptRandomInput(MonkeyRandom& random, MonkeyProgram& program, ScratchFolder& folder);
