// The program's life: start-up, the event loop and shutdown.
#pragma once

#include <string>
#include <vector>

#include "app/app_state.h"
#include "toolkit/binding.h"

// Prepares the toolkit on the binding, fills the state and opens the windows. False when the
// main window could not be opened; the program has then already shut down.
bool startUp(AppState& state, toolkit::Binding& binding, std::vector<std::string> parameters);
// One turn of the event loop: wait, test Escape, dispatch. False when the program is to end.
bool handleNextEvent(AppState& state);
void runEventLoop(AppState& state);
// Releases everything; returns the exit code.
int shutDown(AppState& state);
// The whole program: start-up, the loop until the end, shutdown. Returns the exit code.
int runProgram(toolkit::Binding& binding, std::vector<std::string> parameters);
