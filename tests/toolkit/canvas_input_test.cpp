// How raw mouse and key input on a canvas becomes sub-events.
#include <functional>

#include "toolkit/menus.h"
#include "toolkit_fixture.h"

using namespace toolkit;

namespace {

class CanvasInput : public ToolkitTest {
  protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        ASSERT_TRUE(create_canvas(0, 0, 0, 260, 260, canvas_border | canvas_keyboard));
        ASSERT_TRUE(create_canvas(1, 300, 0, 128, 128, 0));
        set_active_gadget(0);
        events(); // the focus sub-event
    }
};

TEST_F(CanvasInput, RightClickNeedsTheCapture) {
    ui.move_on_canvas(1, 5, 5);
    ui.click_on_canvas(1, button_right, 5, 5);
    std::vector<int> subs = sub_events();
    EXPECT_EQ(subs,
              (std::vector<int>{mouse_enter, right_button_down, right_button_up, right_click}));
}

TEST_F(CanvasInput, KeysReachOnlyTheKeyboardCanvasWithFocus) {
    ui.press_key(vk_right);
    ui.press_key(vk_right); // automatic repeat
    ui.release_key(vk_right);
    const std::vector<SeenEvent> seen = events();
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].sub_event, key_down);
    EXPECT_EQ(seen[0].key, vk_right);
    EXPECT_EQ(seen[1].sub_event, key_down);
    EXPECT_EQ(seen[2].sub_event, key_up);
    EXPECT_EQ(seen[2].object, 0);

    // A click on canvas 1 (no keyboard flag) leaves the focus on canvas 0.
    ui.click_on_canvas(1, button_left, 5, 5);
    ui.press_key(vk_up);
    const std::vector<SeenEvent> after = events();
    EXPECT_EQ(after.back().object, 0);
    EXPECT_EQ(after.back().sub_event, key_down);
}

TEST_F(CanvasInput, WheelCarriesTheRemainder) {
    ui.move_on_canvas(1, 5, 5);
    ui.wheel(0, 305, 5, 100); // less than a notch
    ui.wheel(0, 305, 5, 100); // 200: one notch, 80 carried
    ui.wheel(0, 305, 5, 200); // 280: two notches
    int total = 0, count = 0;
    while (ui.has_pending_input() || has_queued_events()) {
        if (wait_window_event() == gadget_event && event_type() == mouse_wheel) {
            total += get_gadget_attribute(1, attribute_wheel);
            ++count;
        }
    }
    EXPECT_EQ(count, 2);
    EXPECT_EQ(total, 3);
}

TEST_F(CanvasInput, AttributesBelongToTheCurrentEventsCanvas) {
    ui.move_on_canvas(0, 30, 40);
    ui.move_on_canvas(0, 31, 40);
    while (ui.has_pending_input() || has_queued_events()) {
        if (wait_window_event() != gadget_event) continue;
        EXPECT_EQ(event_gadget(), 0);
        EXPECT_NE(get_gadget_attribute(0, attribute_mouse_x), 0);
        EXPECT_EQ(get_gadget_attribute(1, attribute_mouse_x), 0);
    }
    EXPECT_EQ(get_gadget_attribute(0, attribute_mouse_x), 31); // readable until the next wait
}

TEST_F(CanvasInput, WaitingMovesMergeAtTheNewestPosition) {
    // Three moves queued before the logic looks: one mouse move, where the pointer now is.
    ui.move_on_canvas(1, 1, 1);
    ui.run([] {
        canvas_mouse_moved(1, 10, 10, 0);
        canvas_mouse_moved(1, 20, 20, 0);
        canvas_mouse_moved(1, 30, 30, 0);
    });
    const std::vector<SeenEvent> seen = events();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].sub_event, mouse_move);
    EXPECT_EQ(seen[1].x, 30);
}

// Each burst arrives in one platform message; none of it may be lost.
TEST_F(CanvasInput, NothingButMovesMerges) {
    ASSERT_TRUE(create_trackbar(5, 0, 300, 255, 30, 0, 255, 0));
    const struct {
        const char* what;
        std::function<void()> burst;
        size_t events;
    } bursts[] = {
        {"key ups of two keys",
         [] {
             canvas_key(0, vk_right, false, 0);
             canvas_key(0, vk_down, false, 0);
         },
         2},
        {"two key downs",
         [] {
             canvas_key(0, vk_right, true, 0);
             canvas_key(0, vk_right, true, 0);
         },
         2},
        {"two menu commands",
         [] {
             menu_item_chosen(0, 7);
             menu_item_chosen(0, 7);
         },
         2},
        {"two trackbar changes",
         [] {
             trackbar_moved(5, 1);
             trackbar_moved(5, 2);
         },
         2},
        {"two right clicks",
         [] {
             for (int i = 0; i < 2; ++i) {
                 canvas_button_pressed(1, button_right, 5, 5, false, 0);
                 canvas_button_released(1, button_right, 5, 5, 0);
             }
         },
         6},
    };
    for (const auto& burst : bursts) {
        ui.run(burst.burst);
        EXPECT_EQ(events().size(), burst.events) << burst.what;
    }
}

TEST_F(CanvasInput, DifferentEventsBetweenStopTheMerge) {
    ui.move_on_canvas(1, 1, 1);
    ui.run([] {
        canvas_mouse_moved(1, 10, 10, 0);
        canvas_button_pressed(1, button_left, 10, 10, false, 0);
        canvas_mouse_moved(1, 20, 20, 0);
    });
    EXPECT_EQ(sub_events(),
              (std::vector<int>{mouse_enter, mouse_move, left_button_down, mouse_move}));
}

} // namespace
