#include "toolkit/desktop_program.h"

// windows.h first: the other system headers need its types.
#include <windows.h>

#include "toolkit/console.h"
#include "toolkit/win32/win32_binding.h"
#include <commctrl.h>
#include <objbase.h>

namespace toolkit {

bool win32::prepare_process() {
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    const INITCOMMONCONTROLSEX controls{.dwSize = sizeof controls,
                                        .dwICC = ICC_STANDARD_CLASSES | ICC_BAR_CLASSES |
                                                 ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    return SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
}

int run_desktop_program(int argc, char** argv, const Program& program) {
    const bool com = win32::prepare_process();
    int code = 0;
    {
        win32::Win32Binding binding;
        code = program(binding, program_arguments(argc, argv));
    }
    if (com) CoUninitialize();
    return code;
}

} // namespace toolkit
