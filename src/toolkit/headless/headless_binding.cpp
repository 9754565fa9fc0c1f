#include "toolkit/headless/headless_binding.h"

#include <algorithm>
#include <utility>

#include "toolkit/menus.h"

namespace toolkit {
namespace {

bool over(const GadgetRecord& record, int x, int y) {
    return x >= record.x && x < record.x + record.width && y >= record.y &&
           y < record.y + record.height;
}

} // namespace

// ---- The scripted user ----

// The canvas of the window that holds the mouse capture, if any.
int HeadlessBinding::captured_canvas(int window) const {
    for (int gadget : gadgets_) {
        const GadgetRecord* record = find_gadget(gadget);
        if (record->window == window && record->captured) return gadget;
    }
    return -1;
}

// The topmost gadget of the window under the position: the one created last.
int HeadlessBinding::gadget_at(int window, int x, int y) const {
    for (auto it = gadgets_.rbegin(); it != gadgets_.rend(); ++it) {
        const GadgetRecord* record = find_gadget(*it);
        if (record->window == window && over(*record, x, y)) return *it;
    }
    return -1;
}

void HeadlessBinding::deliver_mouse_move(int window, int x, int y) {
    if (const WindowRecord* record = find_window(window)) {
        pointer_x = record->x + x;
        pointer_y = record->y + y;
    }
    int target = captured_canvas(window);
    if (target < 0) {
        const int under = gadget_at(window, x, y);
        target = under >= 0 && find_gadget(under)->kind == GadgetKind::canvas ? under : -1;
        if (hover_canvas_ >= 0 && hover_canvas_ != target) canvas_mouse_left(hover_canvas_);
        hover_canvas_ = target;
    }
    if (target < 0) return;
    const GadgetRecord& canvas = *find_gadget(target);
    canvas_mouse_moved(target, x - canvas.x - canvas.inset(), y - canvas.y - canvas.inset(),
                       held_modifiers_);
}

void HeadlessBinding::move_mouse(int window, int x, int y) {
    post([=, this] { deliver_mouse_move(window, x, y); });
}

void HeadlessBinding::deliver_button(int window, int button, int x, int y, bool pressed,
                                     bool double_click) {
    if (pressed)
        buttons_ |= button;
    else
        buttons_ &= ~button;
    int target = captured_canvas(window);
    if (target < 0) target = gadget_at(window, x, y);
    const GadgetRecord* canvas = target >= 0 ? find_gadget(target) : nullptr;
    if (!canvas || canvas->kind != GadgetKind::canvas) return;
    const int local_x = x - canvas->x - canvas->inset();
    const int local_y = y - canvas->y - canvas->inset();
    if (pressed) {
        canvas_button_pressed(target, button, local_x, local_y, double_click, held_modifiers_);
        return;
    }
    canvas_button_released(target, button, local_x, local_y, held_modifiers_);
    // Released away from the canvas: the platform now reports that the mouse left it.
    if (!canvas->captured && !over(*canvas, x, y) && hover_canvas_ == target) {
        canvas_mouse_left(target);
        hover_canvas_ = -1;
    }
}

void HeadlessBinding::hold_modifiers(int modifiers) {
    post([=, this] { held_modifiers_ = modifiers; });
}

void HeadlessBinding::press_button(int window, int button, int x, int y) {
    post([=, this] { deliver_button(window, button, x, y, true, false); });
}

void HeadlessBinding::double_click(int window, int button, int x, int y) {
    post([=, this] { deliver_button(window, button, x, y, true, true); });
}

void HeadlessBinding::release_button(int window, int button, int x, int y) {
    post([=, this] { deliver_button(window, button, x, y, false, false); });
}

void HeadlessBinding::wheel(int window, int x, int y, int units) {
    post([=, this] {
        const int target = gadget_at(window, x, y);
        if (target >= 0 && find_gadget(target)->kind == GadgetKind::canvas)
            canvas_wheel(target, units, 0);
    });
}

// Canvas-relative positions become window positions when the input is delivered, since the
// canvas may move or grow in between.
void HeadlessBinding::post_on_canvas(int gadget, int x, int y,
                                     std::function<void(int, int, int)> deliver) {
    post([=] {
        if (const GadgetRecord* canvas = find_gadget(gadget))
            deliver(canvas->window, canvas->x + canvas->inset() + x,
                    canvas->y + canvas->inset() + y);
    });
}

void HeadlessBinding::move_on_canvas(int gadget, int x, int y) {
    post_on_canvas(gadget, x, y, [this](int w, int wx, int wy) { deliver_mouse_move(w, wx, wy); });
}

void HeadlessBinding::press_on_canvas(int gadget, int button, int x, int y) {
    post_on_canvas(gadget, x, y, [=, this](int w, int wx, int wy) {
        deliver_button(w, button, wx, wy, true, false);
    });
}

void HeadlessBinding::release_on_canvas(int gadget, int button, int x, int y) {
    post_on_canvas(gadget, x, y, [=, this](int w, int wx, int wy) {
        deliver_button(w, button, wx, wy, false, false);
    });
}

void HeadlessBinding::click_on_canvas(int gadget, int button, int x, int y) {
    press_on_canvas(gadget, button, x, y);
    release_on_canvas(gadget, button, x, y);
}

void HeadlessBinding::press_key(int virtual_key, int modifiers) {
    post([=, this] {
        if (virtual_key == vk_escape) escape_down = escape_pressed_ = true;
        const int window = active_window();
        if (shortcut_key(window, virtual_key, modifiers)) return;
        canvas_key(focused_gadget(), virtual_key, true, modifiers);
    });
}

void HeadlessBinding::release_key(int virtual_key, int modifiers) {
    post([=, this] {
        if (virtual_key == vk_escape) escape_down = false;
        canvas_key(focused_gadget(), virtual_key, false, modifiers);
    });
}

void HeadlessBinding::type_character(int character) {
    post([=] { canvas_character(focused_gadget(), character); });
}

void HeadlessBinding::click_gadget(int gadget) {
    post([=] {
        const GadgetRecord* record = find_gadget(gadget);
        if (!record) return;
        gadget_focus_changed(gadget, true);
        if (record->kind == GadgetKind::button) button_clicked(gadget);
        if (record->kind == GadgetKind::checkbox) checkbox_clicked(gadget);
    });
}

void HeadlessBinding::move_trackbar(int gadget, int value) {
    post([=] {
        gadget_focus_changed(gadget, true);
        trackbar_moved(gadget, value);
    });
}

void HeadlessBinding::choose_menu_item(int window, int id) {
    post([=] { menu_item_chosen(window, id); });
}

void HeadlessBinding::request_close(int window) {
    post([=] { window_close_requested(window); });
}

void HeadlessBinding::activate(int window) {
    post([=, this] { activate_window(window); });
}

void HeadlessBinding::move_window(int window, int x, int y) {
    post([=] { window_moved(window, x, y); });
}

void HeadlessBinding::drop_files(int gadget, const std::vector<std::string>& names) {
    post([=] {
        if (gadget_accepts_files(gadget)) files_dropped(gadget, names);
    });
}

void HeadlessBinding::drop_text(int, const std::string&) {
    post([] {}); // only files are accepted: the drop is refused and raises nothing
}

void HeadlessBinding::run(std::function<void()> step) {
    post(std::move(step));
}

void HeadlessBinding::advance_time(int milliseconds) {
    post([=, this] {
        const int64_t until = now_ + milliseconds;
        // Fired in the order they are due, each as its time comes.
        while (true) {
            auto next = timers_.end();
            for (auto it = timers_.begin(); it != timers_.end(); ++it)
                if (it->second <= until && (next == timers_.end() || it->second < next->second))
                    next = it;
            if (next == timers_.end()) break;
            now_ = next->second;
            const int timer = next->first;
            timers_.erase(next);
            timer_fired(timer);
        }
        now_ = until;
    });
}

void HeadlessBinding::start_timer(int timer, int milliseconds) {
    timers_[timer] = now_ + milliseconds;
}

void HeadlessBinding::stop_timer(int timer) {
    timers_.erase(timer);
}

// ---- Answers ----

void HeadlessBinding::answer_file(const std::string& path, int pattern_index) {
    answers_.push_back({Answer::Kind::file, path, pattern_index});
}
void HeadlessBinding::answer_cancel() {
    answers_.push_back({Answer::Kind::cancel, "", -1});
}
void HeadlessBinding::answer_color(int color) {
    answers_.push_back({Answer::Kind::color, "", color});
}
void HeadlessBinding::answer_message(int result) {
    answers_.push_back({Answer::Kind::message, "", result});
}
void HeadlessBinding::answer_list(int index) {
    answers_.push_back({Answer::Kind::list, "", index});
}
void HeadlessBinding::answer_popup(int id) {
    answers_.push_back({Answer::Kind::popup, "", id});
}

bool HeadlessBinding::take_answer(std::initializer_list<Answer::Kind> kinds, Answer& answer) {
    auto found = std::find_if(answers_.begin(), answers_.end(), [&](const Answer& a) {
        return std::find(kinds.begin(), kinds.end(), a.kind) != kinds.end();
    });
    if (found == answers_.end()) return false;
    answer = *found;
    answers_.erase(found);
    return true;
}

// ---- Binding ----

bool HeadlessBinding::open_window(const WindowRecord& window) {
    if (window.number == refuse_window) return false;
    int x = window.x, y = window.y;
    // No frame: the outer size is the inner size.
    if (window.flags & window_centre_on_screen) {
        x = (screen_width - std::min(screen_width, window.inner_width)) / 2;
        y = (screen_height - std::min(screen_height, window.inner_height)) / 2;
    } else if (const WindowRecord* active = find_window(active_window());
               active && (window.flags & window_centre_on_active)) {
        x = std::max(0, active->x + (active->inner_width - window.inner_width) / 2);
        y = std::max(0, active->y + (active->inner_height - window.inner_height) / 2);
    }
    window_moved(window.number, x, y);
    if (window.visible) activate_window(window.number);
    return true;
}

void HeadlessBinding::destroy_window(int) {}
void HeadlessBinding::window_changed(const WindowRecord&) {}

// No desktop stands in the way: a shown window is activated at once.
void HeadlessBinding::activate_window(int window) {
    const WindowRecord* record = find_window(window);
    const int previous = active_window();
    if (!record || !record->visible || previous == window) return;
    if (previous >= 0) window_activated(previous, false);
    window_activated(window, true);
}
bool HeadlessBinding::create_gadget(const GadgetRecord& gadget) {
    gadgets_.push_back(gadget.number);
    return true;
}
void HeadlessBinding::destroy_gadget(int gadget) {
    std::erase(gadgets_, gadget);
    if (hover_canvas_ == gadget) hover_canvas_ = -1;
}
void HeadlessBinding::gadget_changed(const GadgetRecord&) {}
void HeadlessBinding::canvas_drawn(const GadgetRecord& canvas, const Area& area) {
    ++canvas_redraws;
    const int64_t pixels = int64_t(area.width) * area.height;
    canvas_pixels_drawn += pixels;
    if (canvas.number >= 0 && size_t(canvas.number) < canvas_pixels_drawn_on.size())
        canvas_pixels_drawn_on[size_t(canvas.number)] += pixels;
}
void HeadlessBinding::focus_gadget(int) {}
void HeadlessBinding::menu_changed(const MenuRecord& menu) {
    menus_shown[menu.number] = menu;
}
void HeadlessBinding::destroy_menu(int menu) {
    menus_shown.erase(menu);
}
void HeadlessBinding::drop_enabled(const GadgetRecord&) {}

int HeadlessBinding::popup_menu(const MenuRecord& menu, int) {
    popups_shown.push_back(menu.number);
    menus_shown[menu.number] = menu;
    Answer answer;
    return take_answer({Answer::Kind::popup}, answer) ? answer.value : -1;
}

FileChoice HeadlessBinding::file_requester(const FileRequest& request) {
    file_requests.push_back(request);
    Answer answer;
    while (take_answer({Answer::Kind::file, Answer::Kind::cancel}, answer) &&
           answer.kind == Answer::Kind::file) {
        if (requester_folder_exists(answer.path)) return {answer.path, answer.value};
        refused_paths.push_back(answer.path); // the requester complained and stays open
    }
    return {};
}

int HeadlessBinding::color_requester(int start_color, std::array<int, 16>&) {
    color_requests.push_back(start_color);
    Answer answer;
    return take_answer({Answer::Kind::color}, answer) ? answer.value : -1;
}

int HeadlessBinding::message_requester(const std::string& title, const std::string& text,
                                       int flags) {
    messages_shown.push_back({title, text, flags});
    Answer answer;
    if (take_answer({Answer::Kind::message}, answer)) return answer.value;
    return flags == 4 ? 7 : 1;
}

int HeadlessBinding::list_requester(const std::string& title, const std::string& text,
                                    const std::vector<std::string>& items) {
    lists_shown.push_back({title, text, items});
    Answer answer;
    if (!take_answer({Answer::Kind::list, Answer::Kind::cancel}, answer)) return -1;
    return answer.kind == Answer::Kind::list ? answer.value : -1;
}

bool HeadlessBinding::set_clipboard(const ClipboardData& data) {
    clipboard = data;
    return true;
}

ClipboardData HeadlessBinding::get_clipboard(const std::string& own_type) {
    ClipboardData held = clipboard;
    if (held.own_type != own_type) held.own_bytes.clear();
    held.own_type = own_type;
    return held;
}

void HeadlessBinding::wait_message() {
    if (messages_.empty()) {
        // Nothing left for the user to do: hold Escape so that a full run ends.
        escape_down = true;
        return;
    }
    std::function<void()> message = std::move(messages_.front());
    messages_.pop_front();
    message();
}

// A tap of Escape whose release came before the question still counts, once, as on the desktop.
bool HeadlessBinding::is_key_down(int virtual_key) {
    return virtual_key == vk_escape && (escape_down || std::exchange(escape_pressed_, false));
}

} // namespace toolkit
