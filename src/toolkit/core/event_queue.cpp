#include "toolkit/core/event_queue.h"

#include <utility>

#include "toolkit/windows.h"

namespace toolkit::detail {
namespace {

// Only pointer moves merge: a slow handler must not fall behind the mouse, but every key,
// click, command and drop counts.
bool merges_with(const Event& waiting, const Event& next) {
    return next.kind == gadget_event && next.sub_event == mouse_move &&
           waiting.kind == gadget_event && waiting.sub_event == mouse_move &&
           waiting.window == next.window && waiting.object == next.object &&
           waiting.input.buttons == next.input.buttons;
}

} // namespace

void EventQueue::add(Event event) {
    if (silence_depth_ > 0) return;
    // The merged move carries the newest position, where the pointer really is.
    if (!waiting_.empty() && merges_with(waiting_.back(), event)) {
        waiting_.back() = std::move(event);
        return;
    }
    waiting_.push(std::move(event));
}

void EventQueue::take_next() {
    if (waiting_.empty())
        current_ = Event{};
    else
        waiting_.take(current_);
}

} // namespace toolkit::detail
