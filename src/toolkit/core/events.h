// The running toolkit's events, as the rest of the core raises and reads them.
#pragma once

#include "toolkit/core/event.h"

namespace toolkit::detail {

void queue_event(Event event);
const Event& current_event();

// set_gadget_state and set_gadget_text raise no events while this guard lives.
class EventSilence {
  public:
    EventSilence();
    ~EventSilence();
    EventSilence(const EventSilence&) = delete;
    EventSilence& operator=(const EventSilence&) = delete;
};

} // namespace toolkit::detail
