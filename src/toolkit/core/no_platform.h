// The platform under a toolkit started without one: nothing can be shown, so a window or gadget
// is refused, a requester or popup is cancelled, the clipboard holds nothing and nothing waits.
#pragma once

#include "toolkit/binding.h"

namespace toolkit::detail {

class NoPlatform : public Binding {
  public:
    bool open_window(const WindowRecord&) override { return false; }
    void destroy_window(int) override {}
    void window_changed(const WindowRecord&) override {}
    void activate_window(int) override {}
    bool create_gadget(const GadgetRecord&) override { return false; }
    void destroy_gadget(int) override {}
    void gadget_changed(const GadgetRecord&) override {}
    void canvas_drawn(const GadgetRecord&, const Area&) override {}
    void focus_gadget(int) override {}
    void menu_changed(const MenuRecord&) override {}
    void destroy_menu(int) override {}
    int popup_menu(const MenuRecord&, int) override { return -1; }
    void drop_enabled(const GadgetRecord&) override {}
    FileChoice file_requester(const FileRequest&) override { return {}; }
    int color_requester(int, std::array<int, 16>&) override { return -1; }
    int message_requester(const std::string&, const std::string&, int) override { return 0; }
    int list_requester(const std::string&, const std::string&,
                       const std::vector<std::string>&) override {
        return -1;
    }
    void start_timer(int, int) override {}
    void stop_timer(int) override {}
    bool set_clipboard(const ClipboardData&) override { return false; }
    ClipboardData get_clipboard(const std::string&) override { return {}; }
    void wait_message() override {}
    bool is_key_down(int) override { return false; }
};

} // namespace toolkit::detail
