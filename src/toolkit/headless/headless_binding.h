// An in-memory platform: no display. Tests script the user: raw input goes through the same
// core code the desktop binding feeds, requesters take queued answers, and everything shown
// (message boxes, popups, titles, pixels) can be read back.
#pragma once

#include <array>
#include <deque>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "toolkit/binding.h"

namespace toolkit {

struct ShownMessage {
    std::string title;
    std::string text;
    int flags = 0;
};

struct ShownList {
    std::string title;
    std::string text;
    std::vector<std::string> items;
};

class HeadlessBinding : public Binding {
  public:
    static constexpr int screen_width = 1920;
    static constexpr int screen_height = 1080;

    // ---- The scripted user. Each call queues one platform message; wait_message takes
    // them one at a time, in order. ----
    // Mouse positions are in the client coordinates of the window; the binding finds the
    // gadget under the pointer, or the canvas that holds the mouse capture.
    void move_mouse(int window, int x, int y);
    void press_button(int window, int button, int x, int y); // button_left/right/middle
    void release_button(int window, int button, int x, int y);
    void double_click(int window, int button, int x, int y); // second press of a double click
    void wheel(int window, int x, int y, int units);
    // Canvas-relative helpers: (x, y) in the drawing area of the canvas (inside its border).
    void move_on_canvas(int gadget, int x, int y);
    void press_on_canvas(int gadget, int button, int x, int y);
    void release_on_canvas(int gadget, int button, int x, int y);
    void click_on_canvas(int gadget, int button, int x, int y); // press and release
    // The modifier keys (ModifierBits) held during the mouse input that follows.
    void hold_modifiers(int modifiers);
    // Keys go to the active window: its shortcuts first, then the gadget with the focus.
    void press_key(int virtual_key, int modifiers = 0);
    void release_key(int virtual_key, int modifiers = 0);
    void type_character(int character);
    void click_gadget(int gadget);             // a push button or a check box; focuses it
    void move_trackbar(int gadget, int value); // focuses it
    void choose_menu_item(int window, int id); // from the window's menu bar
    void request_close(int window);
    void activate(int window);
    void move_window(int window, int x, int y); // dragged there: the new outer corner
    void drop_files(int gadget, const std::vector<std::string>& names);
    void drop_text(int gadget, const std::string& text); // refused: no event
    // Any other step, run as one platform message.
    void run(std::function<void()> step);
    // Time passing: a message that moves the clock on and fires the timers due by then.
    void advance_time(int milliseconds);
    bool has_pending_input() const { return !messages_.empty(); }

    // ---- Answers for the modal requesters, taken in order; with none queued a file or
    // colour or list requester is cancelled, a message box answers OK or No, a popup is
    // dismissed. answer_cancel answers a file or list requester. ----
    void answer_file(const std::string& path, int pattern_index = 0);
    void answer_cancel();
    void answer_list(int index);
    void answer_color(int color);
    void answer_message(int result);
    void answer_popup(int id); // -1 dismisses

    // ---- What was shown. ----
    std::vector<ShownMessage> messages_shown;
    std::vector<ShownList> lists_shown;
    std::vector<FileRequest> file_requests;
    std::vector<std::string> refused_paths; // typed into a file requester, in no folder

    std::vector<int> popups_shown; // menu numbers
    // Each menu bar as its window shows it, and each popup as it was last shown, by number.
    std::map<int, MenuRecord> menus_shown;
    std::vector<int> color_requests;
    // What the desktop's clipboard holds; tests put other programs' data here too.
    ClipboardData clipboard;
    int canvas_redraws = 0;
    int64_t canvas_pixels_drawn = 0; // the sum of the areas shown anew
    // The same, canvas by canvas (by gadget number, the low numbers a program uses).
    std::array<int64_t, 64> canvas_pixels_drawn_on{};
    // Where the pointer stands in screen coordinates (popups open at pointer - 1).
    int pointer_x = 0, pointer_y = 0;
    bool escape_down = false;

    // ---- Binding ----
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

    // Tests of failure paths: refuse to open this window number (-1: none).
    int refuse_window = -1;

  private:
    struct Answer {
        enum class Kind { file, cancel, color, message, list, popup } kind;
        std::string path;
        int value = 0;
    };
    void post(std::function<void()> message) { messages_.push_back(std::move(message)); }
    void deliver_mouse_move(int window, int x, int y);
    void deliver_button(int window, int button, int x, int y, bool pressed, bool double_click);
    void post_on_canvas(int gadget, int x, int y, std::function<void(int, int, int)> deliver);
    int captured_canvas(int window) const;
    int gadget_at(int window, int x, int y) const;
    bool take_answer(std::initializer_list<Answer::Kind> kinds, Answer& answer);

    // The gadgets shown, in creation order, as a platform knows its own widgets: finding the
    // one under the pointer then asks the core for nothing it would have to allocate.
    std::vector<int> gadgets_;
    std::deque<std::function<void()>> messages_;
    std::deque<Answer> answers_;
    int buttons_ = 0;
    int held_modifiers_ = 0;
    int hover_canvas_ = -1;
    bool escape_pressed_ = false;   // since is_key_down last asked
    int64_t now_ = 0;               // milliseconds since the binding was made
    std::map<int, int64_t> timers_; // timer -> when it is due
};

} // namespace toolkit
