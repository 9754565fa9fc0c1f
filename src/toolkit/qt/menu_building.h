// Qt menus made from the core's menu records. A label's part after a tab shows in the
// shortcut column but is no shortcut; "&" shows as it is; check marks come from the record.
#pragma once

#include <QMenu>
#include <QMenuBar>
#include <memory>

#include "toolkit/binding.h"

namespace toolkit::qt {

// Choosing an item of the bar queues its menu event in the window.
QMenuBar* build_menu_bar(const MenuRecord& record, int window);

// Sets the check marks and greying of a bar built from a record of the same layout.
void show_item_states(QMenuBar* bar, const MenuRecord& record);

// Every item's action carries its id (menu_item_id); nothing is queued when one is chosen.
std::unique_ptr<QMenu> build_popup(const MenuRecord& record);
int menu_item_id(const QAction* action);

} // namespace toolkit::qt
