// The queue of program events: the ones waiting and the one the logic reads now.
#pragma once

#include "toolkit/core/event.h"
#include "toolkit/core/event_ring.h"

namespace toolkit::detail {

class EventQueue {
  public:
    // Appends the event, unless silenced. A mouse move replaces a waiting mouse move of the same
    // canvas with the same buttons held, so a burst of moves comes out as one, at the newest
    // position.
    void add(Event event);
    bool empty() const { return waiting_.empty(); }
    // The oldest waiting event becomes the current one; with none waiting, an empty one does.
    void take_next();
    const Event& current() const { return current_; }
    // Events added while any silence lasts are dropped.
    void silence() { ++silence_depth_; }
    void end_silence() { --silence_depth_; }

  private:
    EventRing waiting_;
    Event current_;
    int silence_depth_ = 0;
};

} // namespace toolkit::detail
