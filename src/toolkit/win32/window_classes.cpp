#include "toolkit/win32/window_classes.h"

#include "toolkit/win32/win32_binding.h"

namespace toolkit::win32 {
namespace {

Win32Binding* routed = nullptr;
constexpr const wchar_t* gadget_property = L"gridlet.gadget";
constexpr const wchar_t* native_property = L"gridlet.native";

// The object number rides in the window's user data, plus one so that 0 means none.
int number_of(HWND handle, UINT message, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lparam);
        if (creation->lpCreateParams)
            SetWindowLongPtrW(handle, GWLP_USERDATA,
                              *static_cast<const int*>(creation->lpCreateParams) + 1);
    }
    return int(GetWindowLongPtrW(handle, GWLP_USERDATA)) - 1;
}

LRESULT CALLBACK window_procedure(HWND handle, UINT message, WPARAM wparam, LPARAM lparam) {
    const int window = number_of(handle, message, lparam);
    if (routed && window >= 0)
        return routed->window_message(window, handle, message, wparam, lparam);
    return DefWindowProcW(handle, message, wparam, lparam);
}

LRESULT CALLBACK canvas_procedure(HWND handle, UINT message, WPARAM wparam, LPARAM lparam) {
    const int gadget = number_of(handle, message, lparam);
    if (routed && gadget >= 0)
        return routed->canvas_message(gadget, handle, message, wparam, lparam);
    return DefWindowProcW(handle, message, wparam, lparam);
}

LRESULT CALLBACK helper_procedure(HWND handle, UINT message, WPARAM wparam, LPARAM lparam) {
    if (routed) return routed->helper_message(handle, message, wparam, lparam);
    return DefWindowProcW(handle, message, wparam, lparam);
}

// The binding watches; the control's own procedure does the work.
LRESULT CALLBACK control_procedure(HWND handle, UINT message, WPARAM wparam, LPARAM lparam) {
    const int gadget = int(reinterpret_cast<INT_PTR>(GetPropW(handle, gadget_property))) - 1;
    const auto native = reinterpret_cast<WNDPROC>(GetPropW(handle, native_property));
    if (routed && gadget >= 0) routed->control_message(gadget, message);
    if (message == WM_NCDESTROY) {
        RemovePropW(handle, gadget_property);
        RemovePropW(handle, native_property);
    }
    return CallWindowProcW(native, handle, message, wparam, lparam);
}

} // namespace

void register_window_classes(Win32Binding& binding) {
    routed = &binding;
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
    const HICON icon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    WNDCLASSEXW windows{.cbSize = sizeof windows,
                        .lpfnWndProc = window_procedure,
                        .hInstance = instance,
                        .hIcon = icon,
                        .hCursor = arrow,
                        .hbrBackground = GetSysColorBrush(COLOR_BTNFACE),
                        .lpszClassName = window_class};
    RegisterClassExW(&windows);
    // No background: the canvas paints every pixel itself.
    WNDCLASSEXW canvases{.cbSize = sizeof canvases,
                         .style = CS_DBLCLKS,
                         .lpfnWndProc = canvas_procedure,
                         .hInstance = instance,
                         .hCursor = arrow,
                         .lpszClassName = canvas_class};
    RegisterClassExW(&canvases);
    WNDCLASSEXW helpers{.cbSize = sizeof helpers,
                        .lpfnWndProc = helper_procedure,
                        .hInstance = instance,
                        .lpszClassName = helper_class};
    RegisterClassExW(&helpers);
}

void unregister_window_classes() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    for (const wchar_t* name : {window_class, canvas_class, helper_class})
        UnregisterClassW(name, instance);
    routed = nullptr;
}

void subclass_control(HWND control, int gadget) {
    SetPropW(control, gadget_property, reinterpret_cast<HANDLE>(INT_PTR(gadget) + 1));
    SetPropW(control, native_property,
             reinterpret_cast<HANDLE>(GetWindowLongPtrW(control, GWLP_WNDPROC)));
    SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(control_procedure));
}

} // namespace toolkit::win32
