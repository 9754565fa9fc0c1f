// The binding's modal requesters: the system's common dialogs and message boxes, owned by the
// program's foreground window.

// windows.h first: the other system headers need its types.
#include <windows.h>

#include <commdlg.h>

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

} // namespace toolkit::win32
