// The binding's menus: bars shown in their windows, popups run at the pointer. Native items
// carry the program's id plus one, since 0 is what a dismissed popup returns. A tab in a label
// puts the shortcut text in the right column, as the program's labels expect.
#include "toolkit/win32/win32_binding.h"
#include "toolkit/windows/wide_text.h"

namespace toolkit::win32 {
namespace {

UINT item_states(const MenuEntry& entry) {
    return (entry.checked ? MF_CHECKED : MF_UNCHECKED) | (entry.enabled ? MF_ENABLED : MF_GRAYED);
}

void add_entries(HMENU menu, const std::vector<MenuEntry>& entries) {
    for (const MenuEntry& entry : entries) {
        const std::wstring text = windows::wide_text(entry.text);
        switch (entry.kind) {
        case MenuEntry::Kind::separator:
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            break;
        case MenuEntry::Kind::submenu: {
            const HMENU submenu = CreatePopupMenu();
            add_entries(submenu, entry.children);
            AppendMenuW(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(submenu),
                        text.c_str());
            break;
        }
        case MenuEntry::Kind::item:
            AppendMenuW(menu, MF_STRING | item_states(entry), UINT_PTR(entry.id) + 1, text.c_str());
            break;
        }
    }
}

void show_states(HMENU menu, const std::vector<MenuEntry>& entries) {
    for (const MenuEntry& entry : entries) {
        if (entry.kind == MenuEntry::Kind::submenu) show_states(menu, entry.children);
        if (entry.kind != MenuEntry::Kind::item) continue;
        CheckMenuItem(menu, UINT(entry.id) + 1,
                      MF_BYCOMMAND | (entry.checked ? MF_CHECKED : MF_UNCHECKED));
        EnableMenuItem(menu, UINT(entry.id) + 1,
                       MF_BYCOMMAND | (entry.enabled ? MF_ENABLED : MF_GRAYED));
    }
}

} // namespace

// A bar whose items stay the same only gets its check marks and greying updated: rebuilding it
// would close a drop-down the user may have open right now.
void Win32Binding::menu_changed(const MenuRecord& record) {
    if (record.popup) return;
    ShownWindow* window = shown_window(record.window);
    if (!window) return;
    if (window->bar && window->bar_record &&
        same_menu_layout(window->bar_record->entries, record.entries)) {
        show_states(window->bar, record.entries);
    } else {
        const HMENU bar = CreateMenu();
        add_entries(bar, record.entries);
        SetMenu(window->handle, bar);
        if (window->bar) DestroyMenu(window->bar);
        window->bar = bar;
    }
    window->bar_record = record;
    DrawMenuBar(window->handle);
}

void Win32Binding::destroy_menu(int menu) {
    for (auto& [number, window] : windows_) {
        if (!window.bar || !window.bar_record || window.bar_record->number != menu) continue;
        SetMenu(window.handle, nullptr);
        DestroyMenu(window.bar);
        window.bar = nullptr;
        window.bar_record.reset();
    }
}

int Win32Binding::popup_menu(const MenuRecord& record, int window) {
    const HWND owner = window_handle(window);
    if (!owner) return -1;
    const HMENU popup = CreatePopupMenu();
    add_entries(popup, record.entries);
    POINT at{};
    GetCursorPos(&at);
    // The owner must be in front, or the popup would not close when the user clicks elsewhere.
    SetForegroundWindow(owner);
    const auto chosen = int(TrackPopupMenu(popup, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON,
                                           at.x, at.y, 0, owner, nullptr));
    PostMessageW(owner, WM_NULL, 0, 0);
    DestroyMenu(popup);
    return chosen - 1;
}

} // namespace toolkit::win32
