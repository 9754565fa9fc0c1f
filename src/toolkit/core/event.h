// One program event as the core queues it.
#pragma once

#include <string>

namespace toolkit::detail {

// What the platform reported with a canvas event, recorded when the input arrived.
struct InputSnapshot {
    int x = 0, y = 0;
    int buttons = 0;
    int key = 0;
    int modifiers = 0;
    int wheel = 0;
    int character = 0;
};

struct Event {
    int kind = 0;
    int window = -1;
    int object = -1;
    int sub_event = 0;
    InputSnapshot input;
    bool has_files = false;
    std::string dropped_files;
};

} // namespace toolkit::detail
