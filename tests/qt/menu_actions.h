// Finding the program's menu items among Qt's actions, for tests that choose or inspect them.
#pragma once

#include <QAction>
#include <QList>
#include <QMenu>

// The item with the program's number `id`, in these actions or any sub-menu of theirs.
inline QAction* find_action(const QList<QAction*>& actions, int id) {
    for (QAction* action : actions) {
        if (action->menu()) {
            if (QAction* inner = find_action(action->menu()->actions(), id)) return inner;
        } else if (action->data().isValid() && action->data().toInt() == id) {
            return action;
        }
    }
    return nullptr;
}
