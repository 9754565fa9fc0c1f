// The binding's menus: bars shown in their windows, popups run at the pointer.
#include <QCursor>

#include "toolkit/qt/menu_building.h"
#include "toolkit/qt/program_window.h"
#include "toolkit/qt/qt_binding.h"

namespace toolkit::qt {

// A bar whose items stay the same only gets its check marks and greying updated: rebuilding would
// delete a drop-down the user may have open right now.
void QtBinding::menu_changed(const MenuRecord& record) {
    if (record.popup) return;
    ProgramWindow* window = window_widget(record.window);
    if (!window) return;
    auto shown = shown_bars_.find(record.number);
    if (shown != shown_bars_.end() && window->menu_bar() &&
        same_menu_layout(shown->second.entries, record.entries)) {
        show_item_states(window->menu_bar(), record);
    } else {
        window->set_menu_bar(build_menu_bar(record, record.window));
    }
    shown_bars_[record.number] = record;
}

void QtBinding::destroy_menu(int menu) {
    auto shown = shown_bars_.find(menu);
    if (shown == shown_bars_.end()) return;
    if (ProgramWindow* window = window_widget(shown->second.window)) window->set_menu_bar(nullptr);
    shown_bars_.erase(shown);
}

int QtBinding::popup_menu(const MenuRecord& record, int window) {
    if (ProgramWindow* owner = window_widget(window)) {
        owner->raise();
        owner->activateWindow();
    }
    const std::unique_ptr<QMenu> popup = build_popup(record);
    return menu_item_id(popup->exec(QCursor::pos() - QPoint(1, 1)));
}

} // namespace toolkit::qt
