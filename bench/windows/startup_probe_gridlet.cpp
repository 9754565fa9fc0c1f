// gridlet's start-up as gridlet.exe runs it (the Win32 binding, startUp, then turns of the
// event loop), ended as soon as the charset view and the glyph editor have painted.
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/program.h"
#include "toolkit/desktop_program.h"
#include "toolkit/win32/win32_binding.h"

namespace {

// Shown, and nothing left to paint.
bool painted(HWND canvas) {
    return IsWindowVisible(canvas) && !GetUpdateRect(canvas, nullptr, FALSE);
}

int startAndEndWhenPainted(toolkit::Binding& binding, std::vector<std::string> parameters) {
    AppState state;
    if (!startUp(state, binding, std::move(parameters))) return 1;
    const auto& windows = static_cast<const toolkit::win32::Win32Binding&>(binding);
    const HWND charset = windows.gadget_handle(charsetView);
    const HWND glyph = windows.gadget_handle(glyphEditor);
    while (!painted(charset) || !painted(glyph))
        if (!handleNextEvent(state)) return 1;
    // Teardown is no part of what the user waits for, in either probe.
    std::_Exit(0);
}

} // namespace

int main(int argc, char** argv) {
    return toolkit::run_desktop_program(argc, argv, startAndEndWhenPainted);
}
