// The storage of the event queue: first in, first out, in a ring of slots that grows only when
// it is full. A deque would allocate and free a block every few events; the ring, once it has
// grown to the longest burst of a session, never touches the heap again. Internal to the toolkit.
#pragma once

#include <algorithm>
#include <vector>

#include "toolkit/core/event.h"

namespace toolkit::detail {

class EventRing {
  public:
    bool empty() const { return count_ == 0; }
    Event& back() { return slots_[(head_ + count_ - 1) % slots_.size()]; }

    void push(Event&& event) {
        if (count_ == slots_.size()) grow();
        slots_[(head_ + count_) % slots_.size()] = std::move(event);
        ++count_;
    }

    // Moves the oldest event out into `taken`.
    void take(Event& taken) {
        taken = std::move(slots_[head_]);
        head_ = (head_ + 1) % slots_.size();
        --count_;
    }

    void clear() {
        while (count_ > 0) {
            slots_[head_] = Event{};
            head_ = (head_ + 1) % slots_.size();
            --count_;
        }
        head_ = 0;
    }

  private:
    void grow() {
        std::vector<Event> larger(std::max<size_t>(64, 2 * slots_.size()));
        for (size_t i = 0; i < count_; ++i)
            larger[i] = std::move(slots_[(head_ + i) % slots_.size()]);
        slots_ = std::move(larger);
        head_ = 0;
    }

    std::vector<Event> slots_;
    size_t head_ = 0;
    size_t count_ = 0;
};

} // namespace toolkit::detail
