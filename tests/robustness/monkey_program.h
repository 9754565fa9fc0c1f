// The whole program on the monkey's platform: started, fed, and ended like the real one.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/program.h"
#include "monkey_binding.h"

struct MonkeyProgram {
    MonkeyBinding ui;
    AppState state;
    bool ended = false;
    int exitCode = -1;

    // The platform may refuse to open one window (-1: none), as on a system out of resources.
    MonkeyProgram(MonkeyRandom& random, ScratchFolder& folder, std::vector<std::string> parameters,
                  int refusedWindow);
    ~MonkeyProgram();
    MonkeyProgram(const MonkeyProgram&) = delete;
    MonkeyProgram& operator=(const MonkeyProgram&) = delete;

    // Handles the scripted input and every event it raises, through the event loop.
    void run();

    // What the scripted input must have done once it is handled: "" when it did, else what
    // went wrong. Empty for inputs whose outcome the monkey does not predict.
    std::function<std::string()> expectedOutcome;
};
