// A toolkit on the headless binding with one window, for tests of the core.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "toolkit/binding.h"
#include "toolkit/headless/headless_binding.h"
#include "toolkit/windows.h"

struct SeenEvent {
    int kind;
    int object;
    int sub_event;
    int x, y, buttons, key;

    bool operator==(const SeenEvent&) const = default;
};

class ToolkitTest : public ::testing::Test {
  protected:
    toolkit::HeadlessBinding ui;

    void SetUp() override {
        toolkit::start_toolkit(ui);
        ASSERT_TRUE(toolkit::open_window(0, 0, 0, 640, 480, "main", toolkit::window_caption));
        events(); // its activation
    }
    void TearDown() override { toolkit::shut_down_toolkit(); }

    // Delivers every scripted input and returns the program events it raised, in order.
    std::vector<SeenEvent> events() {
        std::vector<SeenEvent> seen;
        while (ui.has_pending_input() || toolkit::has_queued_events()) {
            const int kind = toolkit::wait_window_event();
            if (kind == toolkit::no_event) continue;
            const int gadget = toolkit::event_gadget();
            using namespace toolkit;
            seen.push_back({kind, gadget, event_type(),
                            get_gadget_attribute(gadget, attribute_mouse_x),
                            get_gadget_attribute(gadget, attribute_mouse_y),
                            get_gadget_attribute(gadget, attribute_buttons),
                            get_gadget_attribute(gadget, attribute_key)});
        }
        return seen;
    }

    // Only the sub-events of gadget events.
    std::vector<int> sub_events() {
        std::vector<int> subs;
        for (const SeenEvent& event : events())
            if (event.kind == toolkit::gadget_event) subs.push_back(event.sub_event);
        return subs;
    }
};
