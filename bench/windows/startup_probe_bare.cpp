// The baseline of the Windows start-up benchmark: a Win32 program that only shows an empty
// 640 x 480 window, and ends as soon as that window has painted.
#include <windows.h>

#include <cstdlib>

namespace {

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        // Teardown is no part of what the user waits for, in either probe.
        std::_Exit(0);
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

} // namespace

int main() {
    const WNDCLASSW windows{.lpfnWndProc = procedure,
                            .hInstance = GetModuleHandleW(nullptr),
                            .hCursor = LoadCursorW(nullptr, IDC_ARROW),
                            .hbrBackground = GetSysColorBrush(COLOR_BTNFACE),
                            .lpszClassName = L"BareWindow"};
    RegisterClassW(&windows);
    const HWND window = CreateWindowExW(0, L"BareWindow", L"bare", WS_OVERLAPPEDWINDOW,
                                        CW_USEDEFAULT, CW_USEDEFAULT, 640, 480, nullptr, nullptr,
                                        GetModuleHandleW(nullptr), nullptr);
    ShowWindow(window, SW_SHOW);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 1;
}
