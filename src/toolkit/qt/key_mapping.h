// Qt's keys, modifiers and mouse buttons in the toolkit's terms: virtual-key codes, modifier
// bits and button bits.
#pragma once

#include <Qt>

namespace toolkit::qt {

// The virtual-key code of a Qt key as a US keyboard gives it; 0 for keys without one.
// Shifted symbols count as the key they sit on ("!" is the "1" key), keypad keys as their
// keypad codes.
int virtual_key(int qt_key, Qt::KeyboardModifiers modifiers);
int modifier_bits(Qt::KeyboardModifiers modifiers);
// button_left, button_right or button_middle; 0 for other buttons.
int button_bit(Qt::MouseButton button);
// The bits of the left, right and middle buttons among those held.
int button_bits(Qt::MouseButtons buttons);

} // namespace toolkit::qt
