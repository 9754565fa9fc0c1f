// The desktop binding: the core's windows, gadgets and menus shown as Qt widgets, and the
// user's input fed back into the core.
#pragma once

#include <QMargins>
#include <QPointer>
#include <map>
#include <memory>

#include "toolkit/binding.h"

class QTimer;
class QWidget;

namespace toolkit::qt {

class KeyRouter;
class ProgramWindow;

// Called before the QApplication is made: whole-number scale factors keep the pixels of the
// canvases square and crisp on high-density screens.
void prepare_application();

class QtBinding : public Binding {
  public:
    QtBinding();
    ~QtBinding() override;
    QtBinding(const QtBinding&) = delete;
    QtBinding& operator=(const QtBinding&) = delete;

    // The widgets that show a window or a gadget; nullptr when there is none.
    ProgramWindow* window_widget(int window) const;
    QWidget* gadget_widget(int gadget) const;

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

  private:
    int window_number(const QWidget* widget) const;
    QMargins frame_margins(ProgramWindow& window) const;

    std::map<int, std::unique_ptr<ProgramWindow>> windows_;
    std::map<int, QPointer<QWidget>> gadgets_;
    std::map<int, MenuRecord> shown_bars_; // each menu bar as its window shows it
    std::unique_ptr<KeyRouter> keys_;
    std::map<int, std::unique_ptr<QTimer>> timers_;
};

} // namespace toolkit::qt
