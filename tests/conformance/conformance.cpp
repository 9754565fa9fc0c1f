#include "conformance.h"

#include "toolkit/binding.h"

using namespace toolkit;

void Conformance::SetUp() {
    start_toolkit(user->binding());
}

void Conformance::TearDown() {
    shut_down_toolkit();
}

void Conformance::open_shown_window(int window, int width, int height) {
    ASSERT_TRUE(toolkit::open_window(window, 40, 40, width, height, "test",
                                     window_caption | window_system_menu));
    user->activate(window);
    events();
}

void Conformance::take_events() {
    user->settle();
    user->wake();
    bool waited = false;
    while (!waited || has_queued_events()) {
        waited = true;
        const int kind = wait_window_event();
        if (kind == no_event) continue;
        const int object = event_gadget();
        seen_.push_back({kind, event_window(), object, event_type(),
                         get_gadget_attribute(object, attribute_mouse_x),
                         get_gadget_attribute(object, attribute_mouse_y),
                         get_gadget_attribute(object, attribute_buttons),
                         get_gadget_attribute(object, attribute_key),
                         get_gadget_attribute(object, attribute_wheel),
                         get_gadget_attribute(object, attribute_character)});
    }
    user->settle();
}

void Conformance::step(const std::function<void()>& action) {
    action();
    take_events();
}

std::vector<SeenEvent> Conformance::events() {
    take_events();
    return std::exchange(seen_, {});
}

std::vector<SeenEvent> Conformance::events_of(int kind, int object) {
    std::vector<SeenEvent> matching;
    for (const SeenEvent& event : events())
        if (event.kind == kind && (object < 0 || event.object == object)) matching.push_back(event);
    return matching;
}

std::vector<int> Conformance::sub_events(int gadget) {
    std::vector<int> subs;
    for (const SeenEvent& event : events_of(gadget_event, gadget)) subs.push_back(event.sub_event);
    return subs;
}
