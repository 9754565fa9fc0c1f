#include "toolkit/qt/menu_building.h"

#include <algorithm>
#include <functional>

#include "toolkit/qt/qt_text.h"

namespace toolkit::qt {
namespace {

using Chosen = std::function<void(int id)>;

void add_entries(QMenu* menu, const std::vector<MenuEntry>& entries, const Chosen& chosen);

// Only a checked item is checkable, so Qt draws no empty box beside the others.
void show_state(QAction* action, const MenuEntry& entry) {
    action->setCheckable(entry.checked);
    action->setChecked(entry.checked);
    action->setEnabled(entry.enabled);
}

void add_item(QMenu* menu, const MenuEntry& entry, const Chosen& chosen) {
    QAction* action = menu->addAction(without_mnemonics(qt_text(entry.text)));
    action->setData(entry.id);
    show_state(action, entry);
    // Qt toggles a checkable action when it is chosen; the mark stays as the record has it
    // until the logic changes it.
    const int id = entry.id;
    QObject::connect(action, &QAction::triggered, action, [action, id, chosen] {
        if (action->isCheckable()) action->setChecked(true);
        if (chosen) chosen(id);
    });
}

void add_entry(QMenu* menu, const MenuEntry& entry, const Chosen& chosen) {
    switch (entry.kind) {
    case MenuEntry::Kind::item:
        add_item(menu, entry, chosen);
        break;
    case MenuEntry::Kind::separator:
        menu->addSeparator();
        break;
    case MenuEntry::Kind::submenu:
        add_entries(menu->addMenu(without_mnemonics(qt_text(entry.text))), entry.children, chosen);
        break;
    }
}

void add_entries(QMenu* menu, const std::vector<MenuEntry>& entries, const Chosen& chosen) {
    for (const MenuEntry& entry : entries) add_entry(menu, entry, chosen);
}

// Each entry has one action, in order: items, separators and the submenus' own actions.
void show_states(const QList<QAction*>& actions, const std::vector<MenuEntry>& entries) {
    for (size_t i = 0; i < entries.size() && qsizetype(i) < actions.size(); ++i) {
        QAction* action = actions[qsizetype(i)];
        if (entries[i].kind == MenuEntry::Kind::item) show_state(action, entries[i]);
        if (entries[i].kind == MenuEntry::Kind::submenu && action->menu())
            show_states(action->menu()->actions(), entries[i].children);
    }
}

} // namespace

QMenuBar* build_menu_bar(const MenuRecord& record, int window) {
    auto* bar = new QMenuBar;
    bar->setNativeMenuBar(false);
    const Chosen chosen = [window](int id) { menu_item_chosen(window, id); };
    for (const MenuEntry& entry : record.entries) {
        // A bar holds drop-downs; an item straight on the bar is chosen from the bar itself.
        if (entry.kind == MenuEntry::Kind::submenu) {
            QMenu* drop_down = bar->addMenu(without_mnemonics(qt_text(entry.text)));
            add_entries(drop_down, entry.children, chosen);
        } else if (entry.kind == MenuEntry::Kind::item) {
            QAction* action = bar->addAction(without_mnemonics(qt_text(entry.text)));
            const int id = entry.id;
            QObject::connect(action, &QAction::triggered, action, [chosen, id] { chosen(id); });
        } else {
            bar->addSeparator();
        }
    }
    return bar;
}

void show_item_states(QMenuBar* bar, const MenuRecord& record) {
    show_states(bar->actions(), record.entries);
}

std::unique_ptr<QMenu> build_popup(const MenuRecord& record) {
    auto popup = std::make_unique<QMenu>();
    add_entries(popup.get(), record.entries, {});
    return popup;
}

int menu_item_id(const QAction* action) {
    return action && action->data().isValid() ? action->data().toInt() : -1;
}

} // namespace toolkit::qt
