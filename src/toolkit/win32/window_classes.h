// The native window classes of the binding and the procedures that route their messages into
// it: program windows, canvases, the hidden helper window, and the standard controls, which
// are subclassed so that focus changes reach the core.
#pragma once

#include <windows.h>

namespace toolkit::win32 {

class Win32Binding;

inline constexpr const wchar_t* window_class = L"GridletWindow";
inline constexpr const wchar_t* canvas_class = L"GridletCanvas";
inline constexpr const wchar_t* helper_class = L"GridletHelper";

// The number a program window or canvas is made with goes in as the creation parameter
// (a pointer to the int).
void register_window_classes(Win32Binding& binding);
void unregister_window_classes();

// The binding sees each message of the control before the control's own procedure does.
void subclass_control(HWND control, int gadget);

} // namespace toolkit::win32
