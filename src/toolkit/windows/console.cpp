// windows.h first: the other system headers need its types.
#include <windows.h>

#include <cstdio>

#include "toolkit/console.h"
#include "toolkit/windows/command_line.h"

namespace toolkit {

namespace {

// A stream the starter handed over (a file or pipe of a build script) is kept; only one that
// leads nowhere is sent to the console.
bool leads_nowhere(DWORD which) {
    const HANDLE handle = GetStdHandle(which);
    return handle == nullptr || handle == INVALID_HANDLE_VALUE ||
           GetFileType(handle) == FILE_TYPE_UNKNOWN;
}

} // namespace

// The parameters as the user typed them, whatever the system's code page: argv holds them
// converted to it, so they are read again from the UTF-16 command line.
std::vector<std::string> program_arguments(int, char**) {
    return windows::command_line_words(GetCommandLineW());
}

void attach_to_parent_console() {
    const bool output = leads_nowhere(STD_OUTPUT_HANDLE);
    const bool error = leads_nowhere(STD_ERROR_HANDLE);
    if (!output && !error) return;
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
    // File names and messages are UTF-8.
    SetConsoleOutputCP(CP_UTF8);
    if (output && std::freopen("CONOUT$", "w", stdout)) std::setvbuf(stdout, nullptr, _IONBF, 0);
    if (error && std::freopen("CONOUT$", "w", stderr)) std::setvbuf(stderr, nullptr, _IONBF, 0);
}

} // namespace toolkit
