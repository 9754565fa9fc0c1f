// The binding's modal requesters: the system's common dialogs and message boxes, and a dialog of
// its own to choose from a list, owned by the program's foreground window.

// windows.h first: the other system headers need its types.
#include <windows.h>

#include <commdlg.h>

#include <algorithm>

#include "toolkit/requesters.h"
#include "toolkit/win32/win32_binding.h"
#include "toolkit/windows/system_functions.h"
#include "toolkit/windows/wide_text.h"

namespace toolkit::win32 {
namespace {

using windows::wide_text;

// "description\0mask\0...\0\0", each mask's names parted by ";", as the dialogs take them.
std::wstring filter_text(const std::vector<FilePattern>& patterns) {
    std::wstring filter;
    for (const FilePattern& pattern : patterns) {
        filter += wide_text(pattern.description) + L'\0';
        filter += (pattern.mask.empty() ? L"*" : wide_text(pattern.mask)) + L'\0';
    }
    return filter + L'\0';
}

HWND foreground_owner() {
    const HWND active = GetActiveWindow();
    return active ? active : GetForegroundWindow();
}

// ---- The list requester: a dialog template made in memory, so that it needs no resource ----

constexpr WORD list_text_id = 100, list_box_id = 101;
constexpr WORD static_class = 0x0082, list_box_class = 0x0083, button_class = 0x0080;

void add_words(std::vector<WORD>& words, const wchar_t* text) {
    for (; *text; ++text) words.push_back(WORD(*text));
    words.push_back(0);
}

void add_dword(std::vector<WORD>& words, DWORD value) {
    words.push_back(LOWORD(value));
    words.push_back(HIWORD(value));
}

// One control, at a DWORD boundary as the template wants; positions in dialog units.
void add_control(std::vector<WORD>& words, DWORD style, short x, short y, short width, short height,
                 WORD id, WORD window_class, const wchar_t* text) {
    if (words.size() % 2) words.push_back(0);
    add_dword(words, style | WS_CHILD | WS_VISIBLE);
    add_dword(words, 0); // extended style
    for (const short value : {x, y, width, height}) words.push_back(WORD(value));
    words.push_back(id);
    words.push_back(0xFFFF);
    words.push_back(window_class);
    add_words(words, text);
    words.push_back(0); // no creation data
}

std::vector<WORD> list_dialog_template() {
    std::vector<WORD> words;
    add_dword(words, DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU);
    add_dword(words, 0);
    words.push_back(4); // controls
    for (const int value : {0, 0, 240, 186}) words.push_back(WORD(value));
    words.push_back(0); // no menu
    words.push_back(0); // the dialog class
    words.push_back(0); // the title comes later, from UTF-8
    words.push_back(8);
    add_words(words, L"MS Shell Dlg");
    add_control(words, SS_LEFT | SS_NOPREFIX | SS_EDITCONTROL, 7, 7, 226, 32, list_text_id,
                static_class, L"");
    add_control(
        words, LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL | WS_BORDER | WS_TABSTOP,
        7, 43, 226, 115, list_box_id, list_box_class, L"");
    add_control(words, BS_DEFPUSHBUTTON | WS_TABSTOP, 129, 165, 50, 14, IDOK, button_class, L"OK");
    add_control(words, BS_PUSHBUTTON | WS_TABSTOP, 183, 165, 50, 14, IDCANCEL, button_class,
                L"Cancel");
    return words;
}

struct ListRequest {
    std::wstring title;
    std::wstring text;
    std::vector<std::wstring> items;
};

INT_PTR CALLBACK list_dialog(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_INITDIALOG: {
        const auto* request = reinterpret_cast<const ListRequest*>(lparam);
        SetWindowTextW(dialog, request->title.c_str());
        SetDlgItemTextW(dialog, list_text_id, request->text.c_str());
        const HWND list = GetDlgItem(dialog, list_box_id);
        // The widest item sets how far the list scrolls sideways.
        const HDC dc = GetDC(list);
        const auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(list, WM_GETFONT, 0, 0));
        const HGDIOBJ old_font = font ? SelectObject(dc, font) : nullptr;
        LONG widest = 0;
        for (const std::wstring& item : request->items) {
            SendMessageW(list, LB_ADDSTRING, 0, LPARAM(item.c_str()));
            SIZE size{};
            if (GetTextExtentPoint32W(dc, item.c_str(), int(item.size()), &size))
                widest = std::max(widest, size.cx);
        }
        if (old_font) SelectObject(dc, old_font);
        ReleaseDC(list, dc);
        SendMessageW(list, LB_SETHORIZONTALEXTENT, WPARAM(widest + 8), 0);
        SendMessageW(list, LB_SETCURSEL, 0, 0);
        SetFocus(list);
        return FALSE; // the focus is set
    }
    case WM_COMMAND: {
        const WORD id = LOWORD(wparam);
        if (id == IDOK || (id == list_box_id && HIWORD(wparam) == LBN_DBLCLK)) {
            const LRESULT chosen = SendDlgItemMessageW(dialog, list_box_id, LB_GETCURSEL, 0, 0);
            EndDialog(dialog, chosen == LB_ERR ? -1 : INT_PTR(chosen));
            return TRUE;
        }
        if (id == IDCANCEL) {
            EndDialog(dialog, -1);
            return TRUE;
        }
        return FALSE;
    }
    default:
        return FALSE;
    }
}

} // namespace

// The chosen file need not exist, saving asks nothing and adds no extension; a folder that
// does not exist is refused by the dialog itself.
FileChoice Win32Binding::file_requester(const FileRequest& request) {
    const std::wstring filter = filter_text(request.patterns);
    const std::wstring title = wide_text(request.title);
    const std::wstring folder = wide_text(request.folder);
    std::wstring name = wide_text(request.name);
    name.resize(std::max<size_t>(name.size() + 1, 32768), L'\0');
    const int patterns = int(request.patterns.size());
    OPENFILENAMEW dialog{
        .lStructSize = sizeof dialog,
        .hwndOwner = foreground_owner(),
        .lpstrFilter = patterns ? filter.c_str() : nullptr,
        .nFilterIndex = DWORD(request.pattern_index >= 0 && request.pattern_index < patterns
                                  ? request.pattern_index + 1
                                  : 1),
        .lpstrFile = name.data(),
        .nMaxFile = DWORD(name.size()),
        .lpstrInitialDir = folder.empty() ? nullptr : folder.c_str(),
        .lpstrTitle = title.c_str(),
        .Flags = OFN_EXPLORER | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY,
    };
    static const auto save =
        windows::system_function<decltype(GetSaveFileNameW)>(L"comdlg32.dll", "GetSaveFileNameW");
    static const auto open =
        windows::system_function<decltype(GetOpenFileNameW)>(L"comdlg32.dll", "GetOpenFileNameW");
    windows::start_com();
    const auto ask = request.save ? save : open;
    const bool chosen = ask && ask(&dialog);
    if (!chosen) return {};
    name.resize(name.find(L'\0'));
    return {windows::utf8_text(name), patterns ? int(dialog.nFilterIndex) - 1 : -1};
}

int Win32Binding::color_requester(int start_color, std::array<int, 16>& custom_colors) {
    COLORREF custom[16];
    for (size_t i = 0; i < 16; ++i) custom[i] = COLORREF(custom_colors[i]);
    CHOOSECOLORW dialog{.lStructSize = sizeof dialog,
                        .hwndOwner = foreground_owner(),
                        .rgbResult = COLORREF(start_color),
                        .lpCustColors = custom,
                        .Flags = CC_RGBINIT | CC_FULLOPEN};
    static const auto choose =
        windows::system_function<decltype(ChooseColorW)>(L"comdlg32.dll", "ChooseColorW");
    const bool chosen = choose && choose(&dialog);
    for (size_t i = 0; i < 16; ++i) custom_colors[i] = int(custom[i] & 0xFFFFFF);
    return chosen ? int(dialog.rgbResult & 0xFFFFFF) : -1;
}

// The flags and results are the system's own.
int Win32Binding::message_requester(const std::string& title, const std::string& text, int flags) {
    const int answer = MessageBoxW(foreground_owner(), wide_text(text).c_str(),
                                   wide_text(title).c_str(), UINT(flags));
    if (flags != message_yes_no) return message_result_ok;
    return answer == IDYES ? message_result_yes : message_result_no;
}

int Win32Binding::list_requester(const std::string& title, const std::string& text,
                                 const std::vector<std::string>& items) {
    ListRequest request{.title = wide_text(title), .text = wide_text(text), .items = {}};
    // The CR LF a static text breaks lines at.
    std::wstring lines;
    for (const wchar_t c : request.text) {
        if (c == L'\n' && (lines.empty() || lines.back() != L'\r')) lines += L'\r';
        lines += c;
    }
    request.text = std::move(lines);
    request.items.reserve(items.size());
    for (const std::string& item : items) request.items.push_back(wide_text(item));
    const std::vector<WORD> dialog_template = list_dialog_template();
    const INT_PTR chosen = DialogBoxIndirectParamW(
        GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(dialog_template.data()),
        foreground_owner(), list_dialog, reinterpret_cast<LPARAM>(&request));
    return chosen >= 0 && size_t(chosen) < items.size() ? int(chosen) : -1;
}

} // namespace toolkit::win32
