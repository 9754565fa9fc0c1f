// The state of the modifier keys and mouse buttons as the core counts them.
#pragma once

#include <windows.h>

#include "toolkit/windows.h"

namespace toolkit::win32 {

inline int modifier_bits() {
    return (GetKeyState(VK_SHIFT) < 0 ? modifier_shift : 0) |
           (GetKeyState(VK_MENU) < 0 ? modifier_alt : 0) |
           (GetKeyState(VK_CONTROL) < 0 ? modifier_control : 0);
}

// The buttons a mouse message says are held.
inline int held_buttons(WPARAM wparam) {
    return (wparam & MK_LBUTTON ? button_left : 0) | (wparam & MK_RBUTTON ? button_right : 0) |
           (wparam & MK_MBUTTON ? button_middle : 0);
}

} // namespace toolkit::win32
