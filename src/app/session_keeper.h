// The session keeper: the work kept across quits and crashes for "Restore last session", and
// the fonts and maps opened or saved last.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "files/recent_files.h"
#include "files/session_file.h"

struct SessionKeeper {
    bool keeping = false;     // from the end of start-up on
    bool failureTold = false; // a failed keep is told once a run
    // The editor's revision as last kept on disk, and as after the last event: a change starts
    // the two seconds anew.
    uint64_t keptRevision = 0;
    uint64_t seenRevision = 0;
    std::optional<SessionReading> lastSession; // what the last run kept; none without a file
    std::vector<RecentFile> recentFiles;
    bool recentFilesChanged = false; // the menu bar is to show the list anew
};
