#include "toolkit/console.h"

namespace toolkit {

std::vector<std::string> program_arguments(int argc, char** argv) {
    return std::vector<std::string>(argv + 1, argv + argc);
}

// A POSIX program always has the standard streams its starter gave it.
void attach_to_parent_console() {}

} // namespace toolkit
