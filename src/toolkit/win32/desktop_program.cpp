#include "toolkit/desktop_program.h"

// windows.h first: the other system headers need its types.
#include <windows.h>

#include <commctrl.h>

#include "toolkit/console.h"
#include "toolkit/win32/win32_binding.h"

namespace toolkit {

bool win32::prepare_process() {
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    const INITCOMMONCONTROLSEX controls{.dwSize = sizeof controls,
                                        .dwICC = ICC_STANDARD_CLASSES | ICC_BAR_CLASSES |
                                                 ICC_WIN95_CLASSES};
    return InitCommonControlsEx(&controls);
}

int run_desktop_program(int argc, char** argv, const Program& program) {
    win32::prepare_process();
    win32::Win32Binding binding;
    return program(binding, program_arguments(argc, argv));
}

} // namespace toolkit
