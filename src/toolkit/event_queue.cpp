#include "toolkit/event_queue.h"

#include "toolkit/binding.h"
#include "toolkit/detail.h"
#include "toolkit/event_ring.h"
#include "toolkit/menus.h"

namespace toolkit::detail {
namespace {

EventRing queue;
Event current;
int silence_depth = 0;

bool same_event(const Event& a, const Event& b) {
    return a.kind == b.kind && a.window == b.window && a.object == b.object &&
           a.sub_event == b.sub_event;
}

} // namespace

void queue_event(Event event) {
    if (silence_depth > 0) return;
    // A drop carries data of its own: merging two would lose the second set of files.
    if (!queue.empty() && same_event(queue.back(), event) && event.kind != files_dropped_event)
        return;
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
