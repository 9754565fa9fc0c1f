#include "toolkit/core/toolkit_state.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace toolkit::detail {

// The only state the toolkit keeps outside that object.
DrawingState* running_toolkit = nullptr;

// A call while no toolkit runs is a mistake of the caller, stopped here rather than left to
// touch freed memory.
void no_toolkit_running() {
    std::fputs("gridlet: the toolkit was used while none was running\n", stderr);
    std::abort();
}

void make_toolkit(Binding* platform, std::vector<std::string> parameters) {
    end_toolkit();
    running_toolkit = new ToolkitState(platform, std::move(parameters));
}

void end_toolkit() {
    if (running_toolkit) delete &running();
    running_toolkit = nullptr;
}

void fail_writes_after(int64_t bytes) {
    if (toolkit_running()) running().files.write_budget = bytes < 0 ? -1 : bytes;
}

} // namespace toolkit::detail
