// The Windows binding: the core's windows, gadgets and menus shown as native windows and
// controls, and the user's input fed back into the core. Geometry is scaled by a whole number
// per window (its DPI / 96, rounded), so that canvases stay crisp on high-density screens.
#pragma once

#include <windows.h>

#include <bitset>
#include <map>
#include <optional>

#include "toolkit/binding.h"
#include "toolkit/win32/window_classes.h"

namespace toolkit::win32 {

// Once per process, before the first window: per-monitor DPI awareness and the common controls.
// COM, which the file dialogs' shell extensions want, starts with the first dialog. False when
// the common controls could not be registered.
bool prepare_process();

class Win32Binding : public Binding, public MessageTarget {
  public:
    Win32Binding();
    ~Win32Binding() override;
    Win32Binding(const Win32Binding&) = delete;
    Win32Binding& operator=(const Win32Binding&) = delete;

    // The native windows that show a window or a gadget; nullptr when there is none.
    HWND window_handle(int window) const;
    HWND gadget_handle(int gadget) const;
    int scale_of_window(int window) const;

    void start() override;
    void shut_down() override;

    bool open_window(const WindowRecord& window) override;
    void destroy_window(int window) override;
    void window_changed(const WindowRecord& window) override;
    void activate_window(int window) override;

    bool create_gadget(const GadgetRecord& gadget) override;
    void destroy_gadget(int gadget) override;
    void gadget_changed(const GadgetRecord& gadget) override;
    void canvas_drawn(const GadgetRecord& canvas, const Area& area) override;
    void focus_gadget(int gadget) override;

    void menu_changed(const MenuRecord& menu) override;
    void destroy_menu(int menu) override;
    int popup_menu(const MenuRecord& menu, int window) override;
    void drop_enabled(const GadgetRecord& gadget) override;

    FileChoice file_requester(const FileRequest& request) override;
    int color_requester(int start_color, std::array<int, 16>& custom_colors) override;
    int message_requester(const std::string& title, const std::string& text, int flags) override;
    int list_requester(const std::string& title, const std::string& text,
                       const std::vector<std::string>& items) override;

    void start_timer(int timer, int milliseconds) override;
    void stop_timer(int timer) override;
    bool set_clipboard(const ClipboardData& data) override;
    ClipboardData get_clipboard(const std::string& own_type) override;
    void wait_message() override;
    bool is_key_down(int virtual_key) override;

    // The window procedures' way back in.
    LRESULT window_message(int window, HWND handle, UINT message, WPARAM wparam,
                           LPARAM lparam) override;
    LRESULT canvas_message(int gadget, HWND handle, UINT message, WPARAM wparam,
                           LPARAM lparam) override;
    void control_message(int gadget, UINT message) override;
    LRESULT helper_message(HWND handle, UINT message, WPARAM wparam, LPARAM lparam) override;

  private:
    struct ShownWindow {
        HWND handle = nullptr;
        HWND tooltips = nullptr;
        HMENU bar = nullptr;
        HWND focus = nullptr; // the gadget that had the keyboard when the window was left
        std::optional<MenuRecord> bar_record; // the bar as the window shows it
        int scale = 1;
        std::optional<POINT> reported; // the outer corner the core was told last
        int place_requests = 0;        // the core's place requests carried out
    };
    struct ShownGadget {
        HWND handle = nullptr;
        bool tracking_mouse = false;
        std::optional<POINT> pointer; // where the last move was reported
        std::string tooltip;          // as the tool tip control has it
    };

    ShownWindow* shown_window(int window);
    ShownGadget* shown_gadget(int gadget);
    int window_of_handle(HWND handle) const;
    void report_position(int window);
    void place_gadget(const GadgetRecord& record);
    void apply_control(const GadgetRecord& record);
    void set_tooltip(const GadgetRecord& record);
    void change_scale(int window, int scale, const RECT& suggested);
    void command(int window, WPARAM wparam, LPARAM lparam);
    void pointer_released_outside(int gadget, HWND handle, LPARAM lparam);
    void note_key(const MSG& message);
    HFONT font_for(int scale);

    std::map<int, ShownWindow> windows_;
    std::map<int, ShownGadget> gadgets_;
    std::map<int, HFONT> fonts_; // by scale
    HWND helper_ = nullptr;      // hidden: owns the timers and the clipboard
    bool applying_ = false;      // notifications of changes the core made itself are not input
    std::bitset<256> held_;      // keys held down in the program's windows
    std::bitset<256> pressed_since_asked_;
    // A character beyond the first 65536 comes as two WM_CHAR messages, a surrogate pair: the
    // first half waits here for the second.
    wchar_t pending_high_surrogate_ = 0;
};

} // namespace toolkit::win32
