// The conformance suite's user on the headless binding: every step a scripted message.
#include "platform_user.h"
#include "toolkit/headless/headless_binding.h"

using namespace toolkit;

namespace {

class HeadlessUser : public PlatformUser {
  public:
    Binding& binding() override { return ui_; }
    void settle() override {
        while (ui_.has_pending_input()) ui_.wait_message();
    }
    void wake() override {
        ui_.run([] {});
    }
    void wait(int milliseconds) override {
        ui_.advance_time(milliseconds);
        settle();
    }

    void move_to(int canvas, int x, int y) override { ui_.move_on_canvas(canvas, x, y); }
    void press(int canvas, int button, int x, int y) override {
        ui_.press_on_canvas(canvas, button, x, y);
    }
    void release(int canvas, int button, int x, int y) override {
        ui_.release_on_canvas(canvas, button, x, y);
    }
    void double_click(int canvas, int button, int x, int y) override {
        const GadgetRecord* record = find_gadget(canvas);
        ui_.click_on_canvas(canvas, button, x, y);
        ui_.double_click(record->window, button, record->x + record->inset() + x,
                         record->y + record->inset() + y);
        ui_.release_on_canvas(canvas, button, x, y);
    }
    void wheel(int canvas, int units) override {
        const GadgetRecord* record = find_gadget(canvas);
        ui_.wheel(record->window, record->x + record->inset(), record->y + record->inset(), units);
    }
    void key(int virtual_key, bool down, int modifiers) override {
        if (down)
            ui_.press_key(virtual_key, modifiers);
        else
            ui_.release_key(virtual_key, modifiers);
    }
    void type(char character) override { ui_.type_character(character); }
    void click(int gadget) override { ui_.click_gadget(gadget); }
    void slide(int trackbar, int value) override { ui_.move_trackbar(trackbar, value); }
    void edit(int field, const std::string& text) override {
        ui_.run([=] { text_field_edited(field, text); });
    }
    void choose(int window, int id) override {
        if (const MenuRecord* bar = bar_of(window); bar && enabled_in(bar->entries, id))
            ui_.choose_menu_item(window, id);
    }
    void close(int window) override { ui_.request_close(window); }
    void activate(int window) override { ui_.activate(window); }
    void move_window(int window, int x, int y) override { ui_.move_window(window, x, y); }
    void reframe(int) override {} // no desktop, no frame
    void drop(int canvas, const std::vector<std::string>& files) override {
        ui_.drop_files(canvas, files);
    }

    void answer_file(const std::string& path, int pattern) override {
        ui_.answer_file(path, pattern);
    }
    void answer_cancel() override { ui_.answer_cancel(); }
    void answer_message(int result) override { ui_.answer_message(result); }
    void answer_popup(int id) override { ui_.answer_popup(id); }
    void answer_list(int index) override { ui_.answer_list(index); }
    // No list to select in: the first item stands selected, as the contract has it.
    SeenList list_seen() override {
        if (ui_.lists_shown.empty()) return {};
        const ShownList& shown = ui_.lists_shown.back();
        return {shown.title, shown.text, shown.items, 0};
    }

    bool shown(int window) override { return find_window(window)->visible; }
    std::string title(int window) override { return find_window(window)->title; }
    std::pair<int, int> inner_size(int window) override {
        return {find_window(window)->inner_width, find_window(window)->inner_height};
    }
    // Without a desktop the core's record is where the window is.
    std::pair<int, int> place(int window) override {
        return {find_window(window)->x, find_window(window)->y};
    }
    bool has_focus(int gadget) override { return focused_gadget() == gadget; }
    Color shown_pixel(int canvas, int x, int y) override {
        return find_gadget(canvas)->buffer.color_at(x, y);
    }
    void put_text_on_clipboard(const std::string& text) override {
        ui_.clipboard = ClipboardData{.text = text};
    }
    std::string path_of(const std::string& name) override { return "/tmp/" + name; }

  private:
    const MenuRecord* bar_of(int window) const {
        for (const auto& [number, record] : ui_.menus_shown)
            if (!record.popup && record.window == window) return &record;
        return nullptr;
    }
    static bool enabled_in(const std::vector<MenuEntry>& entries, int id) {
        for (const MenuEntry& entry : entries)
            if ((entry.kind == MenuEntry::Kind::item && entry.id == id && entry.enabled) ||
                enabled_in(entry.children, id))
                return true;
        return false;
    }

    HeadlessBinding ui_;
};

} // namespace

std::unique_ptr<PlatformUser> make_platform_user() {
    return std::make_unique<HeadlessUser>();
}
