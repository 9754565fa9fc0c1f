// The running toolkit's state: one object, made when the toolkit starts and ended when it shuts
// down, that holds everything the core keeps between calls. The pointer to it (drawing.h, where
// the boxes drawn inline read its drawing pass) is the toolkit's one global. Reaching it while no
// toolkit runs ends the process.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/core/background_saves.h"
#include "toolkit/core/event_queue.h"
#include "toolkit/core/file_state.h"
#include "toolkit/core/menu_tables.h"
#include "toolkit/core/no_platform.h"
#include "toolkit/core/object_tables.h"
#include "toolkit/drawing.h"

namespace toolkit::detail {

// What the requesters remember while the toolkit runs.
struct RequesterMemory {
    int selected_pattern = -1; // of the last file requester; -1 after a cancel
    std::array<int, 16> custom_colors{};
};

struct ToolkitState : DrawingState {
    // With no platform given, the toolkit's own stands in.
    ToolkitState(Binding* platform, std::vector<std::string> arguments)
        : binding(platform ? *platform : no_platform), parameters(std::move(arguments)) {}

    NoPlatform no_platform;
    Binding& binding;
    std::vector<std::string> parameters; // the command line after the program's own name
    ObjectTables tables;
    MenuTables menus;
    EventQueue events;
    // The logic chooses the image numbers, so a map keeps a large one from reserving a table that
    // long; its entries never move, so a buffer's address serves as the image's handle.
    std::map<int, PixelBuffer> images;
    FileState files;
    BackgroundSaves saves;
    RequesterMemory requesters;
};

[[noreturn]] void no_toolkit_running();

inline ToolkitState& running() {
    if (!running_toolkit) no_toolkit_running();
    return static_cast<ToolkitState&>(*running_toolkit);
}
inline bool toolkit_running() {
    return running_toolkit != nullptr;
}
// The object made anew (a toolkit still running is forgotten: its platform may be gone already),
// and ended.
void make_toolkit(Binding* platform, std::vector<std::string> parameters);
void end_toolkit();

// Tests: the files created by the running toolkit fail their writes of new bytes once this many
// more bytes have been written, counted across all of them (-1: never). Nothing while no toolkit
// runs.
void fail_writes_after(int64_t bytes);

// The parts, as the core reaches them.
inline Binding& binding() {
    return running().binding;
}
inline const std::vector<std::string>& program_parameters() {
    return running().parameters;
}
inline ObjectTables& tables() {
    return running().tables;
}
inline MenuTables& menu_tables() {
    return running().menus;
}
inline EventQueue& event_queue() {
    return running().events;
}
inline DrawingPass& drawing_pass() {
    return running().pass;
}
inline std::map<int, PixelBuffer>& images() {
    return running().images;
}
inline FileState& file_state() {
    return running().files;
}
inline BackgroundSaves& background_saves() {
    return running().saves;
}
inline RequesterMemory& requester_memory() {
    return running().requesters;
}

} // namespace toolkit::detail
