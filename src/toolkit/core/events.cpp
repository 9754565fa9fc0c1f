// Events raised into the running toolkit's queue and handed to the logic one at a time.
#include "toolkit/core/events.h"

#include <string>
#include <utility>

#include "toolkit/binding.h"
#include "toolkit/core/shown_menus.h"
#include "toolkit/core/toolkit_state.h"
#include "toolkit/menus.h"

namespace toolkit::detail {

void queue_event(Event event) {
    event_queue().add(std::move(event));
}

const Event& current_event() {
    return event_queue().current();
}

EventSilence::EventSilence() {
    event_queue().silence();
}
EventSilence::~EventSilence() {
    event_queue().end_silence();
}

} // namespace toolkit::detail

namespace toolkit {

bool has_queued_events() {
    return !detail::event_queue().empty();
}

int wait_window_event() {
    detail::show_changed_menus();
    detail::EventQueue& queue = detail::event_queue();
    const bool waiting = !queue.empty();
    queue.take_next();
    if (waiting) return queue.current().kind;
    detail::binding().wait_message();
    return no_event;
}

int event_gadget() {
    return detail::current_event().object;
}
int event_menu() {
    return detail::current_event().object;
}
int event_window() {
    return detail::current_event().window;
}
int event_type() {
    return detail::current_event().sub_event;
}

bool is_key_down(int virtual_key) {
    return detail::binding().is_key_down(virtual_key);
}

std::string event_dropped_files() {
    const detail::Event& current = detail::current_event();
    return current.has_files ? current.dropped_files : std::string();
}

} // namespace toolkit
