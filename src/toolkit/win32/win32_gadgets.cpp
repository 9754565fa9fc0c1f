// The binding's gadgets: canvases of the binding's own class, the rest standard controls.

// windows.h first: the other system headers need its types.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "toolkit/win32/win32_binding.h"
#include "toolkit/win32/window_classes.h"
#include "toolkit/windows/wide_text.h"

namespace toolkit::win32 {
namespace {

using windows::wide_text;

// What DragAcceptFiles does, without loading the shell at start for it: the window's mark that
// it takes dropped files.
void accept_files(HWND handle, bool accepts) {
    const LONG_PTR style = GetWindowLongPtrW(handle, GWL_EXSTYLE);
    SetWindowLongPtrW(handle, GWL_EXSTYLE,
                      accepts ? style | WS_EX_ACCEPTFILES : style & ~LONG_PTR(WS_EX_ACCEPTFILES));
}

const wchar_t* native_class(GadgetKind kind) {
    switch (kind) {
    case GadgetKind::canvas:
        return canvas_class;
    case GadgetKind::label:
        return WC_STATICW;
    case GadgetKind::trackbar:
        return TRACKBAR_CLASSW;
    case GadgetKind::checkbox:
    case GadgetKind::button:
        return WC_BUTTONW;
    case GadgetKind::text_field:
        return WC_EDITW;
    }
    return WC_STATICW;
}

DWORD native_style(const GadgetRecord& record) {
    const DWORD flags = DWORD(record.flags);
    switch (record.kind) {
    case GadgetKind::canvas:
        return 0;
    case GadgetKind::label:
        return SS_NOPREFIX | (flags & label_centred ? SS_CENTER : SS_LEFT);
    case GadgetKind::trackbar:
        return WS_TABSTOP | TBS_HORZ |
               (flags & trackbar_ticks ? TBS_AUTOTICKS | TBS_BOTTOM : TBS_NOTICKS);
    case GadgetKind::checkbox:
        return WS_TABSTOP | BS_CHECKBOX; // the core toggles the state
    case GadgetKind::button:
        return WS_TABSTOP | BS_PUSHBUTTON;
    case GadgetKind::text_field:
        return WS_TABSTOP |
               (flags & text_centred ? ES_CENTER
                : flags & text_right ? ES_RIGHT
                                     : ES_LEFT) |
               (flags & text_multi_line ? ES_MULTILINE | ES_AUTOVSCROLL : ES_AUTOHSCROLL);
    }
    return 0;
}

std::wstring window_text(HWND handle) {
    std::wstring text(size_t(GetWindowTextLengthW(handle)) + 1, L'\0');
    text.resize(size_t(GetWindowTextW(handle, text.data(), int(text.size()))));
    return text;
}

// Setting an unchanged text would flicker and move the caret of a field being typed in.
void show_text(HWND handle, const std::string& text) {
    const std::wstring wanted = wide_text(text);
    if (window_text(handle) != wanted) SetWindowTextW(handle, wanted.c_str());
}

} // namespace

bool Win32Binding::create_gadget(const GadgetRecord& record) {
    ShownWindow* window = shown_window(record.window);
    if (!window) return false;
    const bool canvas = record.kind == GadgetKind::canvas;
    Creation creation{this, record.number};
    const HWND handle = CreateWindowExW(
        record.kind == GadgetKind::text_field ? WS_EX_CLIENTEDGE : 0, native_class(record.kind),
        L"", WS_CHILD | WS_VISIBLE | native_style(record), 0, 0, 0, 0, window->handle,
        reinterpret_cast<HMENU>(INT_PTR(record.number) + 1), GetModuleHandleW(nullptr),
        canvas ? &creation : nullptr);
    if (!handle) return false;
    gadgets_[record.number] = {handle};
    if (!canvas) {
        subclass_control(handle, record.number, *this);
        SendMessageW(handle, WM_SETFONT, WPARAM(font_for(window->scale)), FALSE);
    }
    gadget_changed(record);
    return true;
}

void Win32Binding::destroy_gadget(int gadget) {
    const auto found = gadgets_.find(gadget);
    if (found == gadgets_.end()) return;
    DestroyWindow(found->second.handle);
    gadgets_.erase(found);
}

void Win32Binding::gadget_changed(const GadgetRecord& record) {
    ShownGadget* shown = shown_gadget(record.number);
    if (!shown) return;
    applying_ = true;
    place_gadget(record);
    set_tooltip(record);
    apply_control(record);
    applying_ = false;
}

void Win32Binding::place_gadget(const GadgetRecord& record) {
    const int scale = scale_of_window(record.window);
    const HWND handle = gadget_handle(record.number);
    RECT present{};
    GetWindowRect(handle, &present);
    MapWindowPoints(nullptr, GetParent(handle), reinterpret_cast<POINT*>(&present), 2);
    const RECT wanted{record.x * scale, record.y * scale, (record.x + record.width) * scale,
                      (record.y + record.height) * scale};
    if (!EqualRect(&present, &wanted))
        SetWindowPos(handle, nullptr, wanted.left, wanted.top, wanted.right - wanted.left,
                     wanted.bottom - wanted.top, SWP_NOZORDER | SWP_NOACTIVATE);
    if (record.kind != GadgetKind::canvas)
        SendMessageW(handle, WM_SETFONT, WPARAM(font_for(scale)), FALSE);
}

void Win32Binding::set_tooltip(const GadgetRecord& record) {
    ShownGadget* shown = shown_gadget(record.number);
    ShownWindow* window = shown_window(record.window);
    if (!shown || !window || shown->tooltip == record.tooltip) return;
    shown->tooltip = record.tooltip;
    std::wstring text = wide_text(record.tooltip);
    TTTOOLINFOW tool{.cbSize = sizeof tool,
                     .uFlags = TTF_IDISHWND | TTF_SUBCLASS,
                     .hwnd = window->handle,
                     .uId = reinterpret_cast<UINT_PTR>(shown->handle),
                     .lpszText = text.data()};
    SendMessageW(window->tooltips, TTM_DELTOOLW, 0, LPARAM(&tool));
    if (!text.empty()) SendMessageW(window->tooltips, TTM_ADDTOOLW, 0, LPARAM(&tool));
}

void Win32Binding::apply_control(const GadgetRecord& record) {
    const HWND handle = gadget_handle(record.number);
    switch (record.kind) {
    case GadgetKind::canvas:
        accept_files(handle, record.accepts_files);
        InvalidateRect(handle, nullptr, FALSE);
        break;
    case GadgetKind::label:
    case GadgetKind::button:
    case GadgetKind::text_field:
        show_text(handle, record.text);
        break;
    case GadgetKind::trackbar: {
        const int maximum = std::max(record.minimum, record.maximum);
        SendMessageW(handle, TBM_SETRANGEMIN, FALSE, record.minimum);
        SendMessageW(handle, TBM_SETRANGEMAX, FALSE, maximum);
        SendMessageW(handle, TBM_SETPAGESIZE, 0, std::max(1, (maximum - record.minimum) / 5));
        if (record.flags & trackbar_ticks) SendMessageW(handle, TBM_SETTICFREQ, 1, 0);
        SendMessageW(handle, TBM_SETPOS, TRUE, record.state);
        break;
    }
    case GadgetKind::checkbox:
        show_text(handle, record.text);
        SendMessageW(handle, BM_SETCHECK, record.state ? BST_CHECKED : BST_UNCHECKED, 0);
        break;
    }
}

// Only the area that changed is painted again.
void Win32Binding::canvas_drawn(const GadgetRecord& canvas, const Area& area) {
    const HWND handle = gadget_handle(canvas.number);
    if (!handle) return;
    const int scale = scale_of_window(canvas.window);
    const int left = area.x + canvas.inset(), top = area.y + canvas.inset();
    const RECT changed{left * scale, top * scale, (left + area.width) * scale,
                       (top + area.height) * scale};
    InvalidateRect(handle, &changed, FALSE);
}

void Win32Binding::focus_gadget(int gadget) {
    const GadgetRecord* record = find_gadget(gadget);
    if (record && record->is_tab_stop()) SetFocus(gadget_handle(gadget));
}

void Win32Binding::drop_enabled(const GadgetRecord& record) {
    if (const HWND handle = gadget_handle(record.number))
        accept_files(handle, record.accepts_files);
}

void Win32Binding::control_message(int gadget, UINT message) {
    if (message == WM_SETFOCUS) gadget_focus_changed(gadget, true);
    if (message == WM_KILLFOCUS) gadget_focus_changed(gadget, false);
}

} // namespace toolkit::win32
