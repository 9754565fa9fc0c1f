// The native window classes of the binding and the procedures that route their messages: program
// windows, canvases, the hidden helper window, and the standard controls, which are subclassed so
// that focus changes reach the core.
#pragma once

#include <windows.h>

namespace toolkit::win32 {

inline constexpr const wchar_t* window_class = L"GridletWindow";
inline constexpr const wchar_t* canvas_class = L"GridletCanvas";
inline constexpr const wchar_t* helper_class = L"GridletHelper";

// Where the procedures hand each message: the binding that made the window.
class MessageTarget {
  public:
    virtual LRESULT window_message(int window, HWND handle, UINT message, WPARAM wparam,
                                   LPARAM lparam) = 0;
    virtual LRESULT canvas_message(int gadget, HWND handle, UINT message, WPARAM wparam,
                                   LPARAM lparam) = 0;
    // Seen before the control's own procedure handles the message.
    virtual void control_message(int gadget, UINT message) = 0;
    virtual LRESULT helper_message(HWND handle, UINT message, WPARAM wparam, LPARAM lparam) = 0;

  protected:
    ~MessageTarget() = default;
};

// The creation parameter of a window of these classes: the window keeps both for its messages.
// The number is the program window's or canvas's; the helper has none.
struct Creation {
    MessageTarget* target = nullptr;
    int number = -1;
};

void register_window_classes();
void unregister_window_classes();

void subclass_control(HWND control, int gadget, MessageTarget& target);

} // namespace toolkit::win32
