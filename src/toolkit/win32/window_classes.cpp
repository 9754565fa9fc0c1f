#include "toolkit/win32/window_classes.h"

#include <initializer_list>

namespace toolkit::win32 {
namespace {

constexpr const wchar_t* gadget_property = L"gridlet.gadget";
constexpr const wchar_t* native_property = L"gridlet.native";
constexpr const wchar_t* target_property = L"gridlet.target";

// Each window of the classes keeps its target and its number plus one (0: none) in its extra
// bytes, from the creation parameter.
constexpr int target_slot = 0;
constexpr int number_slot = sizeof(LONG_PTR);
constexpr int extra_bytes = 2 * sizeof(LONG_PTR);

// The target of the window's messages, or nullptr for those that come before it is known.
MessageTarget* target_of(HWND handle, UINT message, LPARAM lparam, int& number) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lparam);
        if (const auto* made = static_cast<const Creation*>(creation->lpCreateParams)) {
            SetWindowLongPtrW(handle, target_slot, reinterpret_cast<LONG_PTR>(made->target));
            SetWindowLongPtrW(handle, number_slot, made->number + 1);
        }
    }
    number = int(GetWindowLongPtrW(handle, number_slot)) - 1;
    return reinterpret_cast<MessageTarget*>(GetWindowLongPtrW(handle, target_slot));
}

LRESULT CALLBACK window_procedure(HWND handle, UINT message, WPARAM wparam, LPARAM lparam) {
    int window = -1;
    MessageTarget* target = target_of(handle, message, lparam, window);
    if (target && window >= 0)
        return target->window_message(window, handle, message, wparam, lparam);
    return DefWindowProcW(handle, message, wparam, lparam);
}

LRESULT CALLBACK canvas_procedure(HWND handle, UINT message, WPARAM wparam, LPARAM lparam) {
    int gadget = -1;
    MessageTarget* target = target_of(handle, message, lparam, gadget);
    if (target && gadget >= 0)
        return target->canvas_message(gadget, handle, message, wparam, lparam);
    return DefWindowProcW(handle, message, wparam, lparam);
}

LRESULT CALLBACK helper_procedure(HWND handle, UINT message, WPARAM wparam, LPARAM lparam) {
    int none = -1;
    if (MessageTarget* target = target_of(handle, message, lparam, none))
        return target->helper_message(handle, message, wparam, lparam);
    return DefWindowProcW(handle, message, wparam, lparam);
}

// The binding watches; the control's own procedure does the work.
LRESULT CALLBACK control_procedure(HWND handle, UINT message, WPARAM wparam, LPARAM lparam) {
    const int gadget = int(reinterpret_cast<INT_PTR>(GetPropW(handle, gadget_property))) - 1;
    const auto native = reinterpret_cast<WNDPROC>(GetPropW(handle, native_property));
    auto* target = static_cast<MessageTarget*>(GetPropW(handle, target_property));
    if (target && gadget >= 0) target->control_message(gadget, message);
    if (message == WM_NCDESTROY) {
        RemovePropW(handle, gadget_property);
        RemovePropW(handle, native_property);
        RemovePropW(handle, target_property);
    }
    return CallWindowProcW(native, handle, message, wparam, lparam);
}

} // namespace

void register_window_classes() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
    const HICON icon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    WNDCLASSEXW windows{.cbSize = sizeof windows,
                        .lpfnWndProc = window_procedure,
                        .cbWndExtra = extra_bytes,
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
                         .cbWndExtra = extra_bytes,
                         .hInstance = instance,
                         .hCursor = arrow,
                         .lpszClassName = canvas_class};
    RegisterClassExW(&canvases);
    WNDCLASSEXW helpers{.cbSize = sizeof helpers,
                        .lpfnWndProc = helper_procedure,
                        .cbWndExtra = extra_bytes,
                        .hInstance = instance,
                        .lpszClassName = helper_class};
    RegisterClassExW(&helpers);
}

void unregister_window_classes() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    for (const wchar_t* name : {window_class, canvas_class, helper_class})
        UnregisterClassW(name, instance);
}

void subclass_control(HWND control, int gadget, MessageTarget& target) {
    SetPropW(control, gadget_property, reinterpret_cast<HANDLE>(INT_PTR(gadget) + 1));
    SetPropW(control, target_property, static_cast<HANDLE>(&target));
    SetPropW(control, native_property,
             reinterpret_cast<HANDLE>(GetWindowLongPtrW(control, GWLP_WNDPROC)));
    SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(control_procedure));
}

} // namespace toolkit::win32
