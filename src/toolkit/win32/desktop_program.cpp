#include "toolkit/desktop_program.h"

// windows.h first: the other system headers need its types.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

#include "toolkit/win32/win32_binding.h"
#include "toolkit/windows/wide_text.h"

namespace toolkit {
namespace {

// The parameters as the user typed them, whatever the system's code page: argv holds them
// converted to it, so they are read again as UTF-16.
std::vector<std::string> command_line_parameters() {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> parameters;
    for (int i = 1; i < count; ++i) parameters.push_back(windows::utf8_text(arguments[i]));
    LocalFree(arguments);
    return parameters;
}

} // namespace

bool win32::prepare_process() {
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    const INITCOMMONCONTROLSEX controls{.dwSize = sizeof controls,
                                        .dwICC = ICC_STANDARD_CLASSES | ICC_BAR_CLASSES |
                                                 ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    return SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
}

int run_desktop_program(int, char**, const Program& program) {
    const bool com = win32::prepare_process();
    int code = 0;
    {
        win32::Win32Binding binding;
        code = program(binding, command_line_parameters());
    }
    if (com) CoUninitialize();
    return code;
}

} // namespace toolkit
