// The core's queue of program events. Internal to the toolkit.
#pragma once

#include <string>

namespace toolkit::detail {

// What the platform reported with a canvas event, recorded when the input arrived.
struct InputSnapshot {
    int x = 0, y = 0;
    int buttons = 0;
    int key = 0;
    int modifiers = 0;
    int wheel = 0;
    int character = 0;
};

struct Event {
    int kind = 0;
    int window = -1;
    int object = -1;
    int sub_event = 0;
    InputSnapshot input;
    bool has_files = false;
    std::string dropped_files;
};

// Appends the event, unless the logic is inside set_gadget_state / set_gadget_text. A mouse
// move replaces a waiting mouse move of the same canvas with the same buttons held, so a burst
// of moves comes out as one, at the newest position.
void queue_event(Event event);
const Event& current_event();
void clear_events();

// set_gadget_state and set_gadget_text raise no events while this guard lives.
class EventSilence {
  public:
    EventSilence();
    ~EventSilence();
    EventSilence(const EventSilence&) = delete;
    EventSilence& operator=(const EventSilence&) = delete;
};

// Menus changed while being built are shown when the program next waits (menus.cpp).
void show_changed_menus();

} // namespace toolkit::detail
