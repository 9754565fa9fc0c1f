// Mouse and keys on canvases, shortcuts, Tab and the key state, as the platform delivers them.
#include <algorithm>

#include "conformance.h"
#include "toolkit/binding.h"
#include "toolkit/menus.h"

using namespace toolkit;

namespace {

class InputConformance : public Conformance {
  protected:
    void SetUp() override {
        Conformance::SetUp();
        open_shown_window(0);
        // The charset view and glyph editor as the program lays them out, with a button and
        // the data field between them in the tab order.
        ASSERT_TRUE(create_canvas(0, 0, 0, 260, 260, canvas_border | canvas_keyboard));
        ASSERT_TRUE(create_button(9, 262, 128, 32, 20, "<"));
        ASSERT_TRUE(create_text_field(3, 262, 148, 128, 40, "", text_multi_line));
        ASSERT_TRUE(create_canvas(1, 300, 0, 128, 128, 0));
        add_keyboard_shortcut(0, shortcut_control + 'I', 7);
        events();
    }

    static std::vector<int> without_moves(std::vector<int> subs) {
        std::erase_if(subs, [](int sub) {
            return sub == mouse_enter || sub == mouse_move || sub == mouse_leave;
        });
        return subs;
    }
};

TEST_F(InputConformance, FirstMovementEntersThenMoves) {
    step([&] { user->move_to(1, 5, 5); });
    step([&] { user->move_to(1, 6, 5); });
    step([&] { user->move_to(1, 7, 9); });
    const std::vector<SeenEvent> seen = events_of(gadget_event, 1);
    std::vector<int> subs;
    for (const SeenEvent& event : seen) subs.push_back(event.sub_event);
    EXPECT_EQ(subs, (std::vector<int>{mouse_enter, mouse_move, mouse_move}));
    EXPECT_EQ(seen.back().x, 7);
    EXPECT_EQ(seen.back().y, 9);
}

TEST_F(InputConformance, ClickGivesDownUpAndClickWithPositions) {
    step([&] { user->move_to(1, 20, 40); });
    step([&] { user->press(1, button_left, 20, 40); });
    step([&] { user->release(1, button_left, 20, 40); });
    std::vector<SeenEvent> seen = events_of(gadget_event, 1);
    std::erase_if(seen, [](const SeenEvent& event) { return event.sub_event == mouse_enter; });
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].sub_event, left_button_down);
    EXPECT_EQ(seen[0].buttons, button_left);
    EXPECT_EQ(seen[1].sub_event, left_button_up);
    EXPECT_EQ(seen[2].sub_event, left_click);
    EXPECT_EQ(std::pair(seen[2].x, seen[2].y), std::pair(20, 40));
}

TEST_F(InputConformance, DragOutOfTheCanvasGivesNegativePositionsAndNoClick) {
    step([&] { user->move_to(1, 10, 10); });
    step([&] { user->press(1, button_left, 10, 10); });
    step([&] { user->move_to(1, -50, 5); }); // over the window, left of the canvas
    step([&] { user->release(1, button_left, -50, 5); });
    const std::vector<SeenEvent> seen = events_of(gadget_event, 1);
    const auto dragged = std::find_if(seen.begin(), seen.end(), [](const SeenEvent& event) {
        return event.sub_event == mouse_move && event.buttons == button_left;
    });
    ASSERT_NE(dragged, seen.end());
    EXPECT_EQ(dragged->x, -50);
    std::vector<int> subs;
    for (const SeenEvent& event : seen) subs.push_back(event.sub_event);
    EXPECT_EQ(without_moves(subs), (std::vector<int>{left_button_down, left_button_up}));
}

TEST_F(InputConformance, SecondButtonKeepsTheCaptureUntilBothAreUp) {
    step([&] { user->move_to(1, 10, 10); });
    step([&] { user->press(1, button_left, 10, 10); });
    step([&] { user->press(1, button_right, 10, 10); });
    step([&] { user->release(1, button_left, -20, 10); });
    step([&] { user->release(1, button_right, -30, 10); });
    const std::vector<SeenEvent> seen = events_of(gadget_event, 1);
    std::vector<int> subs;
    for (const SeenEvent& event : seen) subs.push_back(event.sub_event);
    EXPECT_EQ(without_moves(subs), (std::vector<int>{left_button_down, right_button_down,
                                                     left_button_up, right_button_up}));
    EXPECT_EQ(seen.back().sub_event, mouse_leave); // only once the last button is up
}

// The bordered canvas's drawing area is 256 x 256 inside its 260 x 260.
TEST_F(InputConformance, ReleaseOverTheBorderStillClicks) {
    step([&] { user->move_to(0, 100, 100); });
    step([&] { user->press(0, button_left, 100, 100); });
    step([&] { user->move_to(0, 257, 100); });
    step([&] { user->release(0, button_left, 257, 100); });
    const std::vector<int> subs = without_moves(sub_events(0));
    ASSERT_GE(subs.size(), 2u);
    EXPECT_EQ(subs[subs.size() - 2], left_button_up);
    EXPECT_EQ(subs.back(), left_click);
}

TEST_F(InputConformance, DoubleClickOrder) {
    step([&] { user->move_to(1, 3, 3); });
    step([&] { user->double_click(1, button_left, 3, 3); });
    EXPECT_EQ(without_moves(sub_events(1)),
              (std::vector<int>{left_button_down, left_button_up, left_click, left_button_down,
                                left_double_click, left_button_up, left_click}));
}

TEST_F(InputConformance, WheelTurnsTheCanvasUnderThePointer) {
    step([&] { user->move_to(1, 30, 30); });
    step([&] { user->wheel(1, -120); });
    const std::vector<SeenEvent> seen = events_of(gadget_event, 1);
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back().sub_event, mouse_wheel);
    EXPECT_EQ(seen.back().wheel, -1);
}

TEST_F(InputConformance, OnlyTheKeyboardCanvasTakesTheFocusWhenClicked) {
    set_active_gadget(9);
    step([&] { user->press(1, button_left, 4, 4); });
    step([&] { user->release(1, button_left, 4, 4); });
    EXPECT_EQ(focused_gadget(), 9);
    step([&] { user->press(0, button_left, 4, 4); });
    step([&] { user->release(0, button_left, 4, 4); });
    EXPECT_EQ(focused_gadget(), 0);
    EXPECT_TRUE(user->has_focus(0));
}

TEST_F(InputConformance, KeysAndCharactersReachTheFocusedKeyboardCanvas) {
    set_active_gadget(0);
    events();
    step([&] { user->key('A', true); });
    step([&] { user->key('A', false); });
    step([&] { user->type('#'); });
    std::vector<SeenEvent> seen = events_of(gadget_event, 0);
    std::erase_if(seen, [](const SeenEvent& event) { return event.sub_event == focus_gained; });
    const auto key_down = std::find_if(seen.begin(), seen.end(), [](const SeenEvent& event) {
        return event.sub_event == toolkit::key_down;
    });
    ASSERT_NE(key_down, seen.end());
    EXPECT_EQ(key_down->key, 'A');
    EXPECT_TRUE(std::any_of(seen.begin(), seen.end(), [](const SeenEvent& event) {
        return event.sub_event == toolkit::key_up && event.key == 'A';
    }));
    EXPECT_TRUE(std::any_of(seen.begin(), seen.end(), [](const SeenEvent& event) {
        return event.sub_event == character_input && event.character == '#';
    }));
    EXPECT_TRUE(events_of(gadget_event, 1).empty());
}

TEST_F(InputConformance, ShortcutWorksInItsWindowWhateverHasTheFocus) {
    set_active_gadget(3);
    events();
    step([&] { user->key('I', true, modifier_control); });
    step([&] { user->key('I', false, modifier_control); });
    const std::vector<SeenEvent> chosen = events_of(menu_event);
    ASSERT_EQ(chosen.size(), 1u);
    EXPECT_EQ(chosen[0].object, 7);
    EXPECT_EQ(chosen[0].window, 0);
    EXPECT_TRUE(find_gadget(3)->text.empty());
}

TEST_F(InputConformance, ShortcutDoesNothingWhileAnotherWindowIsActive) {
    open_shown_window(1, 300, 200);
    step([&] { user->key('I', true, modifier_control); });
    step([&] { user->key('I', false, modifier_control); });
    EXPECT_TRUE(events_of(menu_event).empty());
}

TEST_F(InputConformance, TabMovesThroughTheTabStopsInCreationOrder) {
    set_active_gadget(0);
    events();
    std::vector<int> visited;
    for (int i = 0; i < 3; ++i) {
        step([&] { user->key(vk_tab, true); });
        step([&] { user->key(vk_tab, false); });
        visited.push_back(focused_gadget());
        EXPECT_TRUE(user->has_focus(focused_gadget()));
    }
    EXPECT_EQ(visited, (std::vector<int>{9, 3, 0}));
}

TEST_F(InputConformance, ATapOfEscapeCountsOnceAsDown) {
    step([&] {
        user->key(vk_escape, true);
        user->key(vk_escape, false);
    });
    EXPECT_TRUE(is_key_down(vk_escape));
    EXPECT_FALSE(is_key_down(vk_escape));
}

} // namespace
