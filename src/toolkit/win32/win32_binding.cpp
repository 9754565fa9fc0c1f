#include "toolkit/win32/win32_binding.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <utility>

#include "toolkit/win32/geometry.h"
#include "toolkit/win32/keys.h"
#include "toolkit/win32/window_classes.h"
#include "toolkit/windows/wide_text.h"

namespace toolkit::win32 {

using windows::wide_text;

Win32Binding::Win32Binding() = default;

Win32Binding::~Win32Binding() {
    shut_down();
}

HWND Win32Binding::window_handle(int window) const {
    const auto found = windows_.find(window);
    return found == windows_.end() ? nullptr : found->second.handle;
}

HWND Win32Binding::gadget_handle(int gadget) const {
    const auto found = gadgets_.find(gadget);
    return found == gadgets_.end() ? nullptr : found->second.handle;
}

int Win32Binding::scale_of_window(int window) const {
    const auto found = windows_.find(window);
    return found == windows_.end() ? 1 : found->second.scale;
}

Win32Binding::ShownWindow* Win32Binding::shown_window(int window) {
    const auto found = windows_.find(window);
    return found == windows_.end() ? nullptr : &found->second;
}

Win32Binding::ShownGadget* Win32Binding::shown_gadget(int gadget) {
    const auto found = gadgets_.find(gadget);
    return found == gadgets_.end() ? nullptr : &found->second;
}

int Win32Binding::window_of_handle(HWND handle) const {
    const HWND root = handle ? GetAncestor(handle, GA_ROOT) : nullptr;
    for (const auto& [number, shown] : windows_)
        if (shown.handle == root) return number;
    return -1;
}

void Win32Binding::start() {
    register_window_classes();
    Creation creation{this};
    helper_ = CreateWindowExW(0, helper_class, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              GetModuleHandleW(nullptr), &creation);
}

void Win32Binding::shut_down() {
    for (const auto& [number, shown] : gadgets_) DestroyWindow(shown.handle);
    gadgets_.clear();
    for (const auto& [number, shown] : windows_) {
        DestroyWindow(shown.handle);
        if (shown.bar) DestroyMenu(shown.bar);
    }
    windows_.clear();
    if (helper_) DestroyWindow(std::exchange(helper_, nullptr));
    for (const auto& [scale, font] : fonts_) DeleteObject(font);
    fonts_.clear();
    unregister_window_classes();
}

HFONT Win32Binding::font_for(int scale) {
    HFONT& font = fonts_[scale];
    if (!font) {
        NONCLIENTMETRICSW metrics{.cbSize = sizeof metrics};
        SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0,
                                   UINT(96 * scale));
        font = CreateFontIndirectW(&metrics.lfMessageFont);
    }
    return font;
}

// ---- Windows ----

bool Win32Binding::open_window(const WindowRecord& record) {
    const UINT dpi = GetDpiForSystem();
    const int scale = scale_for_dpi(dpi);
    const DWORD style = window_style(record.flags);
    const SIZE outer =
        outer_size(style, record.inner_width * scale, record.inner_height * scale, dpi);
    POINT corner{record.x * scale, record.y * scale};
    if (record.flags & window_centre_on_screen) {
        RECT work{};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        corner = centred_on(work, outer);
    } else if (const ShownWindow* active = shown_window(active_window());
               active && (record.flags & window_centre_on_active)) {
        RECT frame{};
        GetWindowRect(active->handle, &frame);
        corner = centred_on(frame, outer);
        corner = {std::max(0L, corner.x), std::max(0L, corner.y)};
    }
    ShownWindow& shown = windows_[record.number];
    shown.scale = scale;
    shown.place_requests = record.place_requests;
    Creation creation{this, record.number};
    shown.handle =
        CreateWindowExW(0, window_class, wide_text(record.title).c_str(), style, corner.x, corner.y,
                        outer.cx, outer.cy, nullptr, nullptr, GetModuleHandleW(nullptr), &creation);
    if (!shown.handle) {
        windows_.erase(record.number);
        return false;
    }
    shown.tooltips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                     WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0, 0,
                                     shown.handle, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (record.visible) {
        ShowWindow(shown.handle, SW_SHOW);
        SetForegroundWindow(shown.handle);
    }
    report_position(record.number);
    return true;
}

void Win32Binding::destroy_window(int window) {
    ShownWindow* shown = shown_window(window);
    if (!shown) return;
    DestroyWindow(shown->handle); // its controls and tool tips with it
    if (shown->bar) DestroyMenu(shown->bar);
    std::erase_if(gadgets_, [&](const auto& entry) { return !IsWindow(entry.second.handle); });
    windows_.erase(window);
}

void Win32Binding::report_position(int window) {
    ShownWindow* shown = shown_window(window);
    RECT frame{};
    if (!shown || !GetWindowRect(shown->handle, &frame)) return;
    const POINT corner{floor_divide(frame.left, shown->scale),
                       floor_divide(frame.top, shown->scale)};
    if (shown->reported && shown->reported->x == corner.x && shown->reported->y == corner.y) return;
    shown->reported = corner;
    window_moved(window, corner.x, corner.y);
}

// The inner size counts no menu bar: one attached takes its height from the client area.
void Win32Binding::window_changed(const WindowRecord& record) {
    ShownWindow* shown = shown_window(record.number);
    if (!shown) return;
    const std::wstring title = wide_text(record.title);
    std::wstring present(size_t(GetWindowTextLengthW(shown->handle)) + 1, L'\0');
    present.resize(size_t(GetWindowTextW(shown->handle, present.data(), int(present.size()))));
    if (present != title) SetWindowTextW(shown->handle, title.c_str());

    const int scale = shown->scale;
    const DWORD style = DWORD(GetWindowLongPtrW(shown->handle, GWL_STYLE));
    const SIZE outer = outer_size(style, record.inner_width * scale, record.inner_height * scale,
                                  GetDpiForWindow(shown->handle));
    RECT frame{};
    GetWindowRect(shown->handle, &frame);
    const bool moved = shown->place_requests != record.place_requests;
    shown->place_requests = record.place_requests;
    const bool resized =
        frame.right - frame.left != outer.cx || frame.bottom - frame.top != outer.cy;
    if ((moved || resized) && !IsIconic(shown->handle))
        SetWindowPos(shown->handle, nullptr, record.x * scale, record.y * scale, outer.cx, outer.cy,
                     SWP_NOZORDER | SWP_NOACTIVATE | (moved ? 0 : SWP_NOMOVE) |
                         (resized ? 0 : SWP_NOSIZE));
    if (record.visible == bool(IsWindowVisible(shown->handle))) return;
    // SW_SHOW keeps a minimised window minimised.
    ShowWindow(shown->handle, record.visible ? SW_SHOW : SW_HIDE);
    report_position(record.number);
}

// Asking the desktop to activate a minimised window would restore it.
void Win32Binding::activate_window(int window) {
    const ShownWindow* shown = shown_window(window);
    if (!shown || !IsWindowVisible(shown->handle) || IsIconic(shown->handle)) return;
    SetForegroundWindow(shown->handle);
    SetActiveWindow(shown->handle);
}

// A move to a screen of another density: every gadget takes the new scale, and the window the
// size the system suggests.
void Win32Binding::change_scale(int window, int scale, const RECT& suggested) {
    ShownWindow* shown = shown_window(window);
    if (!shown || shown->scale == scale) return;
    shown->scale = scale;
    for (const int gadget : gadgets_in_window(window))
        if (const GadgetRecord* record = find_gadget(gadget)) gadget_changed(*record);
    SetWindowPos(shown->handle, nullptr, suggested.left, suggested.top,
                 suggested.right - suggested.left, suggested.bottom - suggested.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// ---- Messages, keys and timers ----

// One message per call, so that a burst of input reaches the core one message at a time.
// A key goes to the core's shortcut table before any control sees it.
void Win32Binding::wait_message() {
    MSG message{};
    if (GetMessageW(&message, nullptr, 0, 0) <= 0) return;
    note_key(message);
    if (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) {
        const int window = window_of_handle(message.hwnd);
        if (window >= 0 && window == active_window() &&
            shortcut_key(window, int(message.wParam), modifier_bits()))
            return;
    }
    // The wheel turns what is under the pointer, not what has the keyboard.
    if (message.message == WM_MOUSEWHEEL) {
        const POINT at{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
        if (const HWND under = WindowFromPoint(at); window_of_handle(under) >= 0)
            message.hwnd = under;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

// Keys pressed in the program's windows; a key a requester or menu takes is its own.
void Win32Binding::note_key(const MSG& message) {
    const auto code = size_t(message.wParam);
    if (code >= held_.size()) return;
    if (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) {
        if (window_of_handle(message.hwnd) < 0) return;
        held_[code] = true;
        pressed_since_asked_[code] = true;
    } else if (message.message == WM_KEYUP || message.message == WM_SYSKEYUP) {
        held_[code] = false;
    }
}

// Also true, once, for a key pressed since the last question: a short tap of Escape must still
// end the program.
bool Win32Binding::is_key_down(int virtual_key) {
    if (virtual_key <= 0 || virtual_key >= int(held_.size())) return false;
    const bool pressed = pressed_since_asked_[size_t(virtual_key)];
    pressed_since_asked_[size_t(virtual_key)] = false;
    return held_[size_t(virtual_key)] || pressed;
}

void Win32Binding::start_timer(int timer, int milliseconds) {
    SetTimer(helper_, UINT_PTR(timer) + 1, UINT(std::max(milliseconds, 1)), nullptr);
}

void Win32Binding::stop_timer(int timer) {
    KillTimer(helper_, UINT_PTR(timer) + 1);
}

LRESULT Win32Binding::helper_message(HWND handle, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_TIMER) {
        KillTimer(handle, wparam);
        timer_fired(int(wparam) - 1);
        return 0;
    }
    return DefWindowProcW(handle, message, wparam, lparam);
}

} // namespace toolkit::win32
