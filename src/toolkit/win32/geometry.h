// Sizes and places of native windows: the whole-number scale, frames, centring.
#pragma once

#include <windows.h>

#include <algorithm>

namespace toolkit::win32 {

// 96 dots per inch is scale 1; 144 (150 %) rounds to 2.
inline int scale_for_dpi(UINT dpi) {
    return std::max(1, int((dpi + 48) / 96));
}

// Pointer positions left of or above a canvas stay negative after scaling down.
inline int floor_divide(long value, int divisor) {
    const long quotient = value / divisor;
    return int(quotient * divisor > value ? quotient - 1 : quotient);
}

// The window flags are the native styles: caption, system menu, minimise box; never resizable.
inline DWORD window_style(int flags) {
    return WS_OVERLAPPED | WS_CLIPCHILDREN |
           (DWORD(flags) & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX));
}

// The outer size of a window whose client area is `width` x `height`, no menu bar counted.
inline SIZE outer_size(DWORD style, int width, int height, UINT dpi) {
    RECT frame{0, 0, width, height};
    AdjustWindowRectExForDpi(&frame, style, FALSE, 0, dpi);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

inline POINT centred_on(const RECT& area, SIZE outer) {
    const long width = area.right - area.left, height = area.bottom - area.top;
    return {area.left + (width - std::min(width, outer.cx)) / 2,
            area.top + (height - std::min(height, outer.cy)) / 2};
}

} // namespace toolkit::win32
