#include "monkey_program.h"

#include "toolkit/binding.h"

MonkeyProgram::MonkeyProgram(MonkeyRandom& random, ScratchFolder& folder,
                             std::vector<std::string> parameters, int refusedWindow)
    : ui(random, folder) {
    ui.refuse_window = refusedWindow;
    ui.offeredNames.insert(parameters.begin(), parameters.end());
    if (!startUp(state, ui, std::move(parameters))) {
        ended = true;
        exitCode = 0;
    }
    // The recent files were offered to the programs before this one, in the same folder.
    for (const RecentFile& file : state.session.recentFiles) ui.offeredNames.insert(file.name);
}

MonkeyProgram::~MonkeyProgram() {
    if (!ended) shutDown(state);
}

void MonkeyProgram::run() {
    while (!ended && (ui.has_pending_input() || toolkit::has_queued_events())) {
        if (!handleNextEvent(state)) {
            exitCode = shutDown(state);
            ended = true;
        }
    }
}
