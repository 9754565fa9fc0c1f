// windows.h first: the other system headers need its types.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>

#include "toolkit/console.h"
#include "toolkit/windows/wide_text.h"

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

// argv holds the parameters converted to the system's code page, so they are read again as
// UTF-16.
std::vector<std::string> program_arguments(int, char**) {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> parameters;
    for (int i = 1; i < count; ++i) parameters.push_back(windows::utf8_text(arguments[i]));
    LocalFree(arguments);
    return parameters;
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
