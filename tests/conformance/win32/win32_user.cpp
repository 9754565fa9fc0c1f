// The conformance suite's user on the Win32 binding: the mouse and keys through SendInput, as
// the system delivers a real user's; requesters and popups answered from a thread of their own
// once they are up, as a user would click in them.
#include "toolkit/win32/win32_binding.h"

#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <thread>

#include "platform_user.h"
#include "toolkit/win32/geometry.h"
#include "toolkit/windows/wide_text.h"

using namespace toolkit;

namespace {

using windows::utf8_text;
using windows::wide_text;

// Dialog control ids of the system's file dialog.
constexpr int file_name_combo = 0x47C, file_name_edit = 0x480, file_type_combo = 0x470;

void send(std::vector<INPUT> inputs) {
    SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
}

INPUT mouse(DWORD flags, int data = 0) {
    INPUT input{.type = INPUT_MOUSE};
    input.mi.dwFlags = flags;
    input.mi.mouseData = DWORD(data);
    return input;
}

INPUT keyboard(WORD key, bool down, wchar_t unicode = 0) {
    INPUT input{.type = INPUT_KEYBOARD};
    input.ki.wVk = unicode ? 0 : key;
    input.ki.wScan = unicode;
    input.ki.dwFlags = (down ? 0 : KEYEVENTF_KEYUP) | (unicode ? KEYEVENTF_UNICODE : 0);
    return input;
}

DWORD button_flags(int button, bool down) {
    switch (button) {
    case button_right:
        return down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP;
    case button_middle:
        return down ? MOUSEEVENTF_MIDDLEDOWN : MOUSEEVENTF_MIDDLEUP;
    default:
        return down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    }
}

// The first shown top-level window of this process with the class, waited for.
HWND wait_for_window(const wchar_t* window_class) {
    for (int tries = 0; tries < 500; ++tries) {
        for (HWND found = FindWindowExW(nullptr, nullptr, window_class, nullptr); found;
             found = FindWindowExW(nullptr, found, window_class, nullptr)) {
            DWORD process = 0;
            GetWindowThreadProcessId(found, &process);
            if (process == GetCurrentProcessId() && IsWindowVisible(found)) return found;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return nullptr;
}

class Win32User : public PlatformUser {
  public:
    ~Win32User() override { finish_answer(); }

    Binding& binding() override { return ui_; }

    // Input sent through the system reaches the queue a moment later: wait until it stays empty.
    void settle() override {
        for (int quiet = 0, handled = 0; quiet < 3 && handled < 10000;) {
            MSG message;
            if (PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) {
                ui_.wait_message();
                quiet = 0;
                ++handled;
            } else {
                Sleep(2);
                ++quiet;
            }
        }
    }
    void wake() override { PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0); }
    void wait(int milliseconds) override {
        for (const ULONGLONG end = GetTickCount64() + ULONGLONG(milliseconds);
             GetTickCount64() < end;) {
            settle();
            Sleep(5);
        }
        settle();
    }

    void move_to(int canvas, int x, int y) override {
        const POINT at = on_screen(canvas, x, y);
        SetCursorPos(at.x, at.y);
    }
    void press(int canvas, int button, int x, int y) override {
        move_to(canvas, x, y);
        send({mouse(button_flags(button, true))});
    }
    void release(int canvas, int button, int x, int y) override {
        move_to(canvas, x, y);
        send({mouse(button_flags(button, false))});
    }
    // The system makes a double click of a second press soon after the first.
    void double_click(int canvas, int button, int x, int y) override {
        move_to(canvas, x, y);
        send({mouse(button_flags(button, true)), mouse(button_flags(button, false)),
              mouse(button_flags(button, true)), mouse(button_flags(button, false))});
    }
    void wheel(int, int units) override { send({mouse(MOUSEEVENTF_WHEEL, units)}); }
    void key(int virtual_key, bool down, int modifiers) override {
        std::vector<INPUT> keys;
        const auto add_modifiers = [&](bool pressed) {
            if (modifiers & modifier_control) keys.push_back(keyboard(VK_CONTROL, pressed));
            if (modifiers & modifier_shift) keys.push_back(keyboard(VK_SHIFT, pressed));
            if (modifiers & modifier_alt) keys.push_back(keyboard(VK_MENU, pressed));
        };
        if (down) add_modifiers(true);
        keys.push_back(keyboard(WORD(virtual_key), down));
        if (!down) add_modifiers(false);
        send(keys);
    }
    void type(char character) override {
        send({keyboard(0, true, wchar_t(character)), keyboard(0, false, wchar_t(character))});
    }
    void click(int gadget) override {
        const HWND control = ui_.gadget_handle(gadget);
        RECT area{};
        GetWindowRect(control, &area);
        SetCursorPos((area.left + area.right) / 2, (area.top + area.bottom) / 2);
        send({mouse(MOUSEEVENTF_LEFTDOWN), mouse(MOUSEEVENTF_LEFTUP)});
    }
    // What a trackbar does when its thumb is dragged there.
    void slide(int trackbar, int value) override {
        const HWND control = ui_.gadget_handle(trackbar);
        SetFocus(control);
        SendMessageW(control, TBM_SETPOS, TRUE, value);
        PostMessageW(GetParent(control), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, value),
                     LPARAM(control));
    }
    void edit(int field, const std::string& text) override {
        const HWND control = ui_.gadget_handle(field);
        SetFocus(control);
        SendMessageW(control, EM_SETSEL, 0, -1);
        std::vector<INPUT> keys;
        for (const wchar_t c : wide_text(text)) {
            keys.push_back(keyboard(0, true, c));
            keys.push_back(keyboard(0, false, c));
        }
        send(keys);
    }
    // As the system does when an item is chosen: a command with the item's native id, which
    // the binding makes the program's id plus one; greyed items cannot be chosen.
    void choose(int window, int id) override {
        const HWND owner = ui_.window_handle(window);
        const UINT state = GetMenuState(GetMenu(owner), UINT(id) + 1, MF_BYCOMMAND);
        if (state != UINT(-1) && !(state & (MF_GRAYED | MF_DISABLED)))
            PostMessageW(owner, WM_COMMAND, MAKEWPARAM(id + 1, 0), 0);
    }
    void close(int window) override {
        PostMessageW(ui_.window_handle(window), WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    void activate(int window) override { SetForegroundWindow(ui_.window_handle(window)); }
    // Where a drag by the title bar ends: the system moves the window and tells it.
    void move_window(int window, int x, int y) override {
        const int scale = ui_.scale_of_window(window);
        SetWindowPos(ui_.window_handle(window), nullptr, x * scale, y * scale, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // As after a change of theme: the system frames the window anew where it stands.
    void reframe(int window) override {
        SetWindowPos(ui_.window_handle(window), nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // What the shell sends a window that accepts files: a DROPFILES block of wide names.
    void drop(int canvas, const std::vector<std::string>& files) override {
        const HWND target = ui_.gadget_handle(canvas);
        if (!(GetWindowLongPtrW(target, GWL_EXSTYLE) & WS_EX_ACCEPTFILES)) return;
        std::wstring names;
        for (const std::string& file : files) names += wide_text(file) + L'\0';
        names += L'\0';
        const HGLOBAL memory =
            GlobalAlloc(GHND, sizeof(DROPFILES) + names.size() * sizeof(wchar_t));
        auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
        header->pFiles = sizeof(DROPFILES);
        header->fWide = TRUE;
        std::memcpy(header + 1, names.data(), names.size() * sizeof(wchar_t));
        GlobalUnlock(memory);
        PostMessageW(target, WM_DROPFILES, WPARAM(memory), 0);
    }

    void answer_file(const std::string& path, int pattern) override {
        answer_when_up(L"#32770", [path, pattern](HWND dialog) {
            const HWND types = GetDlgItem(dialog, file_type_combo);
            SendMessageW(types, CB_SETCURSEL, WPARAM(pattern), 0);
            for (const int change : {CBN_SELCHANGE, CBN_SELENDOK})
                SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(file_type_combo, WORD(change)),
                             LPARAM(types));
            HWND name = GetDlgItem(dialog, file_name_combo);
            if (!name) name = GetDlgItem(dialog, file_name_edit);
            SetWindowTextW(name, wide_text(path).c_str());
            PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                         LPARAM(GetDlgItem(dialog, IDOK)));
        });
    }
    void answer_cancel() override {
        answer_when_up(L"#32770", [](HWND dialog) {
            PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        });
    }
    void answer_message(int result) override {
        answer_when_up(L"#32770", [result](HWND box) {
            PostMessageW(box, WM_COMMAND, MAKEWPARAM(result, BN_CLICKED), 0);
        });
    }
    // Selects the item and double-clicks it, as a user would.
    void answer_list(int index) override {
        answer_when_up(L"#32770", [this, index](HWND dialog) {
            const HWND list = FindWindowExW(dialog, nullptr, L"ListBox", nullptr);
            seen_list_ = {text_of(dialog),
                          text_of(FindWindowExW(dialog, nullptr, L"Static", nullptr)),
                          {},
                          int(SendMessageW(list, LB_GETCURSEL, 0, 0))};
            const int count = int(SendMessageW(list, LB_GETCOUNT, 0, 0));
            for (int i = 0; i < count; ++i) {
                std::wstring item(size_t(SendMessageW(list, LB_GETTEXTLEN, WPARAM(i), 0)) + 1,
                                  L'\0');
                SendMessageW(list, LB_GETTEXT, WPARAM(i), LPARAM(item.data()));
                item.resize(item.find(L'\0'));
                seen_list_.items.push_back(utf8_text(item));
            }
            SendMessageW(list, LB_SETCURSEL, WPARAM(index), 0);
            PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_DBLCLK),
                         LPARAM(list));
        });
    }
    SeenList list_seen() override {
        finish_answer();
        return seen_list_;
    }
    // Down to the item, separators skipped as the keyboard skips them, and Enter; or Escape.
    void answer_popup(int id) override {
        answer_when_up(L"#32768", [id](HWND popup) {
            const auto menu = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
            int downs = 0;
            bool found = false;
            for (int i = 0; id >= 0 && i < GetMenuItemCount(menu) && !found; ++i) {
                if (!(GetMenuState(menu, UINT(i), MF_BYPOSITION) & MF_SEPARATOR)) ++downs;
                found = GetMenuItemID(menu, i) == UINT(id) + 1;
            }
            for (int i = 0; found && i < downs; ++i) PostMessageW(popup, WM_KEYDOWN, VK_DOWN, 0);
            PostMessageW(popup, WM_KEYDOWN, found ? VK_RETURN : VK_ESCAPE, 0);
        });
    }

    bool shown(int window) override { return IsWindowVisible(ui_.window_handle(window)); }
    std::string title(int window) override { return text_of(ui_.window_handle(window)); }
    std::pair<int, int> inner_size(int window) override {
        RECT client{};
        GetClientRect(ui_.window_handle(window), &client);
        const int scale = ui_.scale_of_window(window);
        return {client.right / scale, client.bottom / scale};
    }
    std::pair<int, int> place(int window) override {
        RECT frame{};
        GetWindowRect(ui_.window_handle(window), &frame);
        const int scale = ui_.scale_of_window(window);
        return {win32::floor_divide(frame.left, scale), win32::floor_divide(frame.top, scale)};
    }
    bool has_focus(int gadget) override { return GetFocus() == ui_.gadget_handle(gadget); }
    Color shown_pixel(int canvas, int x, int y) override {
        const GadgetRecord* record = find_gadget(canvas);
        const int scale = ui_.scale_of_window(record->window);
        const HWND handle = ui_.gadget_handle(canvas);
        UpdateWindow(handle);
        const HDC dc = GetDC(handle);
        const COLORREF color =
            GetPixel(dc, (record->inset() + x) * scale, (record->inset() + y) * scale);
        ReleaseDC(handle, dc);
        return Color(color);
    }
    void put_text_on_clipboard(const std::string& text) override {
        std::wstring wide;
        for (const wchar_t c : wide_text(text))
            wide += c == L'\n' ? std::wstring(L"\r\n") : std::wstring(1, c);
        const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
        std::memcpy(GlobalLock(memory), wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
        GlobalUnlock(memory);
        OpenClipboard(nullptr);
        EmptyClipboard();
        SetClipboardData(CF_UNICODETEXT, memory);
        CloseClipboard();
    }
    std::string path_of(const std::string& name) override {
        wchar_t folder[MAX_PATH + 1] = {};
        GetTempPathW(MAX_PATH + 1, folder);
        return utf8_text(folder) + name;
    }

  private:
    // A window's text, without the CR of its line ends.
    static std::string text_of(HWND handle) {
        std::wstring text(size_t(GetWindowTextLengthW(handle)) + 1, L'\0');
        text.resize(size_t(GetWindowTextW(handle, text.data(), int(text.size()))));
        std::erase(text, L'\r');
        return utf8_text(text);
    }
    POINT on_screen(int canvas, int x, int y) {
        const GadgetRecord* record = find_gadget(canvas);
        const int scale = ui_.scale_of_window(record->window);
        POINT at{(record->x + record->inset() + x) * scale,
                 (record->y + record->inset() + y) * scale};
        ClientToScreen(ui_.window_handle(record->window), &at);
        return at;
    }

    void answer_when_up(const wchar_t* window_class, std::function<void(HWND)> act) {
        finish_answer();
        answering_ = std::thread([window_class, act = std::move(act)] {
            if (const HWND window = wait_for_window(window_class)) act(window);
        });
    }
    void finish_answer() {
        if (answering_.joinable()) answering_.join();
    }

    win32::Win32Binding ui_;
    std::thread answering_;
    SeenList seen_list_;
};

} // namespace

std::unique_ptr<PlatformUser> make_platform_user() {
    return std::make_unique<Win32User>();
}
