#include "toolkit/qt/key_router.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "toolkit/binding.h"
#include "toolkit/qt/key_mapping.h"

namespace toolkit::qt {

KeyRouter::KeyRouter(std::function<int(const QWidget*)> window_number)
    : window_number_(std::move(window_number)) {}

bool KeyRouter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto* widget = qobject_cast<QWidget*>(watched);
        // A key that a popup menu or a requester takes, such as the Escape that closes it,
        // belongs to that one and is not held for the program; its release counts anywhere.
        if (widget && window_number_(widget->window()) >= 0)
            if (const int code = virtual_key(key->key(), key->modifiers()); known(code)) {
                held_[code] = true;
                pressed_since_asked_[code] = true;
            }
        return take_as_shortcut(watched, event);
    }
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        const int code = virtual_key(key->key(), key->modifiers());
        if (!key->isAutoRepeat() && known(code)) held_[code] = false;
        return false;
    }
    case QEvent::ApplicationDeactivate:
        // Releases made while another program has the keyboard never arrive.
        held_.reset();
        return false;
    default:
        return false;
    }
}

bool KeyRouter::is_down(int virtual_key) {
    if (!known(virtual_key)) return false;
    const bool pressed = pressed_since_asked_[virtual_key];
    pressed_since_asked_[virtual_key] = false;
    return held_[virtual_key] || pressed;
}

// A key the focus widget ignores travels on to its parents, each seeing the same event; asking
// the table again gives the same answer, since a key it takes goes no further.
bool KeyRouter::take_as_shortcut(QObject* watched, QEvent* event) const {
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != QApplication::activeWindow()) return false;
    const int window = window_number_(widget->window());
    if (window < 0) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const int code = virtual_key(key->key(), key->modifiers());
    if (!code || !shortcut_key(window, code, modifier_bits(key->modifiers()))) return false;
    event->accept();
    return true;
}

} // namespace toolkit::qt
