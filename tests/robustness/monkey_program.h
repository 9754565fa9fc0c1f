// The whole program on the monkey's platform: started, fed, and ended like the real one.
#pragma once

#include <string>
#include <vector>

#include "app/program.h"
#include "monkey_binding.h"

struct MonkeyProgram {
    MonkeyBinding ui;
    AppState state;
    bool ended = false;
    int exitCode = -1;

    MonkeyProgram(MonkeyRandom& random, ScratchFolder& folder, std::vector<std::string> parameters);
    ~MonkeyProgram();
    MonkeyProgram(const MonkeyProgram&) = delete;
    MonkeyProgram& operator=(const MonkeyProgram&) = delete;

    // Handles the scripted input and every event it raises, through the event loop.
    void run();
};
