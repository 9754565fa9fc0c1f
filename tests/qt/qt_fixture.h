// The toolkit on the Qt binding, for tests that drive real widgets.
#pragma once

#include <QCoreApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

#include "toolkit/binding.h"
#include "toolkit/qt/program_window.h"
#include "toolkit/qt/qt_binding.h"
#include "toolkit/windows.h"

struct SeenEvent {
    int kind;
    int window;
    int object;
    int sub_event;
    int x, y, buttons, key;
};

class QtToolkitTest : public ::testing::Test {
  protected:
    toolkit::qt::QtBinding ui;

    void SetUp() override { toolkit::start_toolkit(ui); }
    void TearDown() override { toolkit::shut_down_toolkit(); }

    // Opens a shown window and waits until the platform has shown and activated it.
    toolkit::qt::ProgramWindow* open_shown_window(int window, int width = 640, int height = 480) {
        EXPECT_TRUE(toolkit::open_window(window, 10, 10, width, height, "test",
                                         toolkit::window_caption | toolkit::window_system_menu));
        toolkit::qt::ProgramWindow* shown = ui.window_widget(window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(shown));
        return shown;
    }

    // The events queued so far, in order, after one wait of the program's loop (which also
    // shows changed menus); a posted message makes sure that wait returns at once.
    std::vector<SeenEvent> events() {
        using namespace toolkit;
        std::vector<SeenEvent> seen;
        bool waited = false;
        while (true) {
            if (!has_queued_events()) {
                if (waited) break;
                QCoreApplication::postEvent(QCoreApplication::instance(), new QEvent(QEvent::User));
                waited = true;
            }
            const int kind = wait_window_event();
            if (kind == no_event) continue;
            const int gadget = event_gadget();
            seen.push_back({kind, event_window(), gadget, event_type(),
                            get_gadget_attribute(gadget, attribute_mouse_x),
                            get_gadget_attribute(gadget, attribute_mouse_y),
                            get_gadget_attribute(gadget, attribute_buttons),
                            get_gadget_attribute(gadget, attribute_key)});
        }
        return seen;
    }

    std::vector<SeenEvent> events_of_kind(int kind) {
        std::vector<SeenEvent> matching;
        for (const SeenEvent& event : events())
            if (event.kind == kind) matching.push_back(event);
        return matching;
    }

    // The sub-events of one gadget, in order.
    std::vector<int> sub_events(int gadget) {
        std::vector<int> subs;
        for (const SeenEvent& event : events_of_kind(toolkit::gadget_event))
            if (event.object == gadget) subs.push_back(event.sub_event);
        return subs;
    }
};
