#include "toolkit/core/event_queue.h"

#include "toolkit/binding.h"
#include "toolkit/core/detail.h"
#include "toolkit/core/event_ring.h"
#include "toolkit/menus.h"

namespace toolkit::detail {
namespace {

EventRing queue;
Event current;
int silence_depth = 0;

// Only pointer moves merge: a slow handler must not fall behind the mouse, but every key,
// click, command and drop counts.
bool merges_with(const Event& waiting, const Event& next) {
    return next.kind == gadget_event && next.sub_event == mouse_move &&
           waiting.kind == gadget_event && waiting.sub_event == mouse_move &&
           waiting.window == next.window && waiting.object == next.object &&
           waiting.input.buttons == next.input.buttons;
}

} // namespace

void queue_event(Event event) {
    if (silence_depth > 0) return;
    // The merged move carries the newest position, where the pointer really is.
    if (!queue.empty() && merges_with(queue.back(), event)) {
        queue.back() = std::move(event);
        return;
    }
    queue.push(std::move(event));
}

const Event& current_event() {
    return current;
}

void clear_events() {
    queue.clear();
    current = Event{};
}

EventSilence::EventSilence() {
    ++silence_depth;
}
EventSilence::~EventSilence() {
    --silence_depth;
}

} // namespace toolkit::detail

namespace toolkit {

bool has_queued_events() {
    return !detail::queue.empty();
}

int wait_window_event() {
    detail::show_changed_menus();
    if (!detail::queue.empty()) {
        detail::queue.take(detail::current);
        return detail::current.kind;
    }
    detail::current = detail::Event{};
    detail::binding().wait_message();
    return no_event;
}

int event_gadget() {
    return detail::current.object;
}
int event_menu() {
    return detail::current.object;
}
int event_window() {
    return detail::current.window;
}
int event_type() {
    return detail::current.sub_event;
}

bool is_key_down(int virtual_key) {
    return detail::binding().is_key_down(virtual_key);
}

std::string event_dropped_files() {
    return detail::current.has_files ? detail::current.dropped_files : std::string();
}

} // namespace toolkit
