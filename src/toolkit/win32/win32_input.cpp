// The messages of program windows and canvases: the user's raw input, fed into the core, and
// the painting of canvases from the core's pixel buffers.

// windows.h first: the other system headers need its types.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h> // the types of dropped files; the functions are loaded on first use
#include <windowsx.h>

#include <utility>

#include "toolkit/win32/geometry.h"
#include "toolkit/win32/keys.h"
#include "toolkit/win32/win32_binding.h"
#include "toolkit/windows/system_functions.h"
#include "toolkit/windows/wide_text.h"

namespace toolkit::win32 {
namespace {

// The character a WM_CHAR completes, or 0 while half a pair is pending or for a stray half.
int completed_character(wchar_t unit, wchar_t& pending_high_surrogate) {
    if (unit >= 0xD800 && unit < 0xDC00) {
        pending_high_surrogate = unit;
        return 0;
    }
    const wchar_t high = std::exchange(pending_high_surrogate, wchar_t(0));
    if (unit < 0xDC00 || unit >= 0xE000) return int(unit);
    return high ? 0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00) : 0;
}

// The classic sunken edge, two pixels of the program's scale wide.
void draw_border(HDC dc, const RECT& outer, int scale) {
    const auto band = [&](int inset, int top_left, int bottom_right) {
        const int a = inset * scale, b = (inset + 1) * scale;
        const RECT top{outer.left + a, outer.top + a, outer.right - a, outer.top + b};
        const RECT left{outer.left + a, outer.top + a, outer.left + b, outer.bottom - a};
        const RECT bottom{outer.left + a, outer.bottom - b, outer.right - a, outer.bottom - a};
        const RECT right{outer.right - b, outer.top + a, outer.right - a, outer.bottom - a};
        FillRect(dc, &top, GetSysColorBrush(top_left));
        FillRect(dc, &left, GetSysColorBrush(top_left));
        FillRect(dc, &bottom, GetSysColorBrush(bottom_right));
        FillRect(dc, &right, GetSysColorBrush(bottom_right));
    };
    band(0, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);
    band(1, COLOR_3DDKSHADOW, COLOR_3DLIGHT);
}

// The buffer is shown as it is, each of its pixels a square of scale x scale: only the rows
// and columns that need painting, straight from the core's memory.
void paint_canvas(HWND handle, const GadgetRecord& record, int scale) {
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(handle, &paint);
    RECT client{};
    GetClientRect(handle, &client);
    const int inset = record.inset() * scale;
    const PixelBuffer& buffer = record.buffer;
    const RECT picture{inset, inset, inset + buffer.width * scale, inset + buffer.height * scale};
    // The window colour goes only where the picture does not.
    const HRGN uncovered = CreateRectRgnIndirect(&paint.rcPaint);
    const HRGN covered = CreateRectRgnIndirect(&picture);
    CombineRgn(uncovered, uncovered, covered, RGN_DIFF);
    FillRgn(dc, uncovered, GetSysColorBrush(COLOR_BTNFACE));
    DeleteObject(uncovered);
    DeleteObject(covered);
    if (inset > 0) draw_border(dc, client, scale);
    RECT shown{};
    if (!buffer.pixels.empty() && IntersectRect(&shown, &paint.rcPaint, &picture)) {
        const int x0 = (shown.left - inset) / scale, y0 = (shown.top - inset) / scale;
        const int x1 = (shown.right - inset + scale - 1) / scale;
        const int y1 = (shown.bottom - inset + scale - 1) / scale;
        BITMAPINFO rows{};
        rows.bmiHeader = {.biSize = sizeof rows.bmiHeader,
                          .biWidth = buffer.width,
                          .biHeight = -(y1 - y0), // top-down
                          .biPlanes = 1,
                          .biBitCount = 32,
                          .biCompression = BI_RGB};
        StretchDIBits(dc, inset + x0 * scale, inset + y0 * scale, (x1 - x0) * scale,
                      (y1 - y0) * scale, x0, 0, x1 - x0, y1 - y0, buffer.row(y0), &rows,
                      DIB_RGB_COLORS, SRCCOPY);
    }
    EndPaint(handle, &paint);
}

std::vector<std::string> dropped_names(HDROP drop) {
    static const auto query =
        windows::system_function<decltype(DragQueryFileW)>(L"shell32.dll", "DragQueryFileW");
    static const auto finish =
        windows::system_function<decltype(DragFinish)>(L"shell32.dll", "DragFinish");
    std::vector<std::string> names;
    const UINT count = query ? query(drop, 0xFFFFFFFF, nullptr, 0) : 0;
    for (UINT i = 0; i < count; ++i) {
        std::wstring name(query(drop, i, nullptr, 0) + 1, L'\0');
        name.resize(query(drop, i, name.data(), UINT(name.size())));
        names.push_back(windows::utf8_text(name));
    }
    if (finish) finish(drop);
    return names;
}

int button_of(UINT message) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
        return button_left;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
        return button_right;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
        return button_middle;
    default:
        return 0;
    }
}

} // namespace

LRESULT Win32Binding::window_message(int window, HWND handle, UINT message, WPARAM wparam,
                                     LPARAM lparam) {
    switch (message) {
    case WM_ACTIVATE:
        if (ShownWindow* shown = shown_window(window)) {
            // The keyboard goes back to the gadget that had it when the window was left.
            if (LOWORD(wparam) == WA_INACTIVE) {
                shown->focus = GetFocus();
            } else if (shown->focus && IsChild(handle, shown->focus)) {
                SetFocus(shown->focus);
                window_activated(window, true);
                return 0;
            }
        }
        window_activated(window, LOWORD(wparam) != WA_INACTIVE);
        break;
    case WM_ACTIVATEAPP:
        // Releases made while another program has the keyboard never arrive.
        if (!wparam) held_.reset();
        break;
    case WM_MOVE:
        report_position(window);
        break;
    case WM_CLOSE:
        // Closing is the logic's decision: the request only becomes an event.
        window_close_requested(window);
        return 0;
    case WM_COMMAND:
        command(window, wparam, lparam);
        return 0;
    case WM_HSCROLL:
        if (lparam && !applying_) {
            const int gadget = GetDlgCtrlID(reinterpret_cast<HWND>(lparam)) - 1;
            trackbar_moved(gadget,
                           int(SendMessageW(reinterpret_cast<HWND>(lparam), TBM_GETPOS, 0, 0)));
        }
        return 0;
    case WM_DPICHANGED:
        change_scale(window, scale_for_dpi(HIWORD(wparam)), *reinterpret_cast<const RECT*>(lparam));
        return 0;
    default:
        break;
    }
    return DefWindowProcW(handle, message, wparam, lparam);
}

// The last button let go outside the canvas: the pointer has left it, though the system tells
// no one while nothing moves.
void Win32Binding::pointer_released_outside(int gadget, HWND handle, LPARAM lparam) {
    RECT client{};
    GetClientRect(handle, &client);
    const POINT at{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
    ShownGadget* shown = shown_gadget(gadget);
    if (PtInRect(&client, at) || !shown) return;
    TRACKMOUSEEVENT cancel{
        .cbSize = sizeof cancel, .dwFlags = TME_LEAVE | TME_CANCEL, .hwndTrack = handle};
    TrackMouseEvent(&cancel);
    shown->tracking_mouse = false;
    shown->pointer.reset();
    canvas_mouse_left(gadget);
}

// Menu items carry their id plus one (0 is what a dismissed popup returns); controls their
// gadget number plus one.
void Win32Binding::command(int window, WPARAM wparam, LPARAM lparam) {
    if (!lparam) {
        if (HIWORD(wparam) == 0) menu_item_chosen(window, LOWORD(wparam) - 1);
        return;
    }
    const int gadget = LOWORD(wparam) - 1;
    const GadgetRecord* record = find_gadget(gadget);
    if (!record || applying_) return;
    if (HIWORD(wparam) == BN_CLICKED && record->kind == GadgetKind::checkbox)
        checkbox_clicked(gadget);
    else if (HIWORD(wparam) == BN_CLICKED && record->kind == GadgetKind::button)
        button_clicked(gadget);
    else if (HIWORD(wparam) == EN_CHANGE && record->kind == GadgetKind::text_field) {
        const auto field = reinterpret_cast<HWND>(lparam);
        std::wstring text(size_t(GetWindowTextLengthW(field)) + 1, L'\0');
        text.resize(size_t(GetWindowTextW(field, text.data(), int(text.size()))));
        text_field_edited(gadget, windows::utf8_text(text));
    }
}

// While a button is held the canvas has the mouse captured, so moves and releases outside it
// still arrive here, with positions beyond the drawing area.
LRESULT Win32Binding::canvas_message(int gadget, HWND handle, UINT message, WPARAM wparam,
                                     LPARAM lparam) {
    const GadgetRecord* record = find_gadget(gadget);
    if (!record) return DefWindowProcW(handle, message, wparam, lparam);
    const int scale = scale_of_window(record->window);
    const int x = floor_divide(GET_X_LPARAM(lparam), scale) - record->inset();
    const int y = floor_divide(GET_Y_LPARAM(lparam), scale) - record->inset();
    switch (message) {
    case WM_PAINT:
        paint_canvas(handle, *record, scale);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_MOUSEMOVE: {
        ShownGadget* shown = shown_gadget(gadget);
        if (shown && !shown->tracking_mouse) {
            TRACKMOUSEEVENT track{
                .cbSize = sizeof track, .dwFlags = TME_LEAVE, .hwndTrack = handle};
            shown->tracking_mouse = TrackMouseEvent(&track);
        }
        // A button the core still holds was released where this canvas could not see it.
        if (record->buttons & ~held_buttons(wparam)) canvas_capture_lost(gadget);
        // The system also sends a move where nothing moved, after a press or a change of
        // capture: only real moves count.
        if (shown && shown->pointer && shown->pointer->x == x && shown->pointer->y == y) return 0;
        if (shown) shown->pointer = POINT{x, y};
        canvas_mouse_moved(gadget, x, y, modifier_bits());
        return 0;
    }
    case WM_MOUSELEAVE:
        if (ShownGadget* shown = shown_gadget(gadget)) {
            shown->tracking_mouse = false;
            shown->pointer.reset();
        }
        canvas_mouse_left(gadget);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK: {
        if (GetCapture() != handle) SetCapture(handle);
        const bool double_click = message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDBLCLK ||
                                  message == WM_MBUTTONDBLCLK;
        canvas_button_pressed(gadget, button_of(message), x, y, double_click, modifier_bits());
        return 0;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        canvas_button_released(gadget, button_of(message), x, y, modifier_bits());
        if (!held_buttons(wparam) && GetCapture() == handle) {
            ReleaseCapture();
            pointer_released_outside(gadget, handle, lparam);
        }
        return 0;
    case WM_CAPTURECHANGED:
        // Taking the capture again for a second button changes nothing.
        if (record->buttons && reinterpret_cast<HWND>(lparam) != handle)
            canvas_capture_lost(gadget);
        return 0;
    case WM_MOUSEWHEEL:
        canvas_wheel(gadget, GET_WHEEL_DELTA_WPARAM(wparam), modifier_bits());
        return 0;
    case WM_KEYDOWN:
    case WM_KEYUP:
        canvas_key(gadget, int(wparam), message == WM_KEYDOWN, modifier_bits());
        return 0;
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
        // Alt and F10 still open the menu bar.
        canvas_key(gadget, int(wparam), message == WM_SYSKEYDOWN, modifier_bits());
        break;
    case WM_CHAR:
        if (const int character = completed_character(wchar_t(wparam), pending_high_surrogate_);
            character >= 32)
            canvas_character(gadget, character);
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        gadget_focus_changed(gadget, message == WM_SETFOCUS);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTALLKEYS | DLGC_WANTCHARS;
    case WM_DROPFILES:
        files_dropped(gadget, dropped_names(reinterpret_cast<HDROP>(wparam)));
        return 0;
    default:
        break;
    }
    return DefWindowProcW(handle, message, wparam, lparam);
}

} // namespace toolkit::win32
