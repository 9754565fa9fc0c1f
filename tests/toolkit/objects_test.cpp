// Numbered windows, gadgets and menus: replacement, missing numbers, states and events.
#include "toolkit/drawing.h"
#include "toolkit/menus.h"
#include "toolkit_fixture.h"

using namespace toolkit;

namespace {

using Objects = ToolkitTest;

TEST_F(Objects, MissingNumbersDoNothingAndReturnZero) {
    EXPECT_EQ(window_handle(7), 0u);
    EXPECT_EQ(resize_window(7, 0, 0, 10, 10), 0);
    EXPECT_EQ(get_gadget_state(42), 0);
    EXPECT_EQ(gadget_width(42), 0);
    EXPECT_EQ(resize_gadget(42, 0, 0, 1, 1), 0);
    EXPECT_EQ(menu_exists(9), 0);
    EXPECT_EQ(get_menu_item_checked(9, 1), 0);
    EXPECT_EQ(canvas_output(42).buffer, nullptr);
    set_gadget_text(42, "x");
    set_window_title(7, "x");
    EXPECT_TRUE(events().empty());
}

TEST_F(Objects, NegativeSizesFail) {
    EXPECT_EQ(create_canvas(3, 0, 0, -5, 10, 0), 0);
    EXPECT_EQ(find_gadget(3), nullptr);
    EXPECT_EQ(open_window(2, 0, 0, -1, 10, "", 0), 0);
}

TEST_F(Objects, CreatingUnderAUsedNumberReplaces) {
    ASSERT_TRUE(create_label(5, 0, 0, 50, 20, "first", label_centred));
    ASSERT_TRUE(create_button(5, 10, 10, 30, 20, "second"));
    EXPECT_EQ(find_gadget(5)->kind, GadgetKind::button);
    EXPECT_EQ(gadgets_in_window(0), std::vector<int>{5});
}

TEST_F(Objects, CanvasBufferStartsWhiteAndBorderShrinksIt) {
    ASSERT_TRUE(create_canvas(0, 0, 0, 260, 260, canvas_border));
    ASSERT_TRUE(create_canvas(1, 0, 0, 128, 128, 0));
    ASSERT_TRUE(create_canvas(2, 0, 0, 3, 3, canvas_border));
    EXPECT_EQ(find_gadget(0)->buffer.width, 256);
    EXPECT_EQ(find_gadget(1)->buffer.height, 128);
    EXPECT_EQ(find_gadget(2)->buffer.width, 1); // at least one pixel
    EXPECT_EQ(find_gadget(1)->buffer.color_at(127, 127), 0xFFFFFFu);
}

TEST_F(Objects, ResizedCanvasKeepsWhatFits) {
    ASSERT_TRUE(create_canvas(2, 0, 0, 40, 40, 0));
    ASSERT_TRUE(start_drawing(canvas_output(2)));
    draw_box(0, 0, 40, 40, 0x0000FF);
    stop_drawing();
    ASSERT_TRUE(resize_gadget(2, keep_value, keep_value, 60, 20));
    const PixelBuffer& buffer = find_gadget(2)->buffer;
    EXPECT_EQ(buffer.width, 60);
    EXPECT_EQ(buffer.height, 20);
    EXPECT_EQ(buffer.color_at(39, 19), 0x0000FFu);
    EXPECT_EQ(buffer.color_at(40, 0), 0xFFFFFFu);
}

TEST_F(Objects, StateAndTextChangesByTheLogicRaiseNoEvents) {
    ASSERT_TRUE(create_trackbar(5, 0, 0, 255, 30, 0, 255, trackbar_ticks));
    ASSERT_TRUE(create_label(7, 0, 0, 255, 20, "Begin", label_centred));
    ASSERT_TRUE(create_checkbox(4, 0, 0, 20, 20, ""));
    set_gadget_state(5, 65);
    set_gadget_state(5, 999);
    set_gadget_state(4, 1);
    set_gadget_text(7, "B&W");
    EXPECT_TRUE(events().empty());
    EXPECT_EQ(get_gadget_state(5), 255);
    EXPECT_EQ(get_gadget_state(4), 1);
    EXPECT_EQ(find_gadget(7)->text, "B&W");

    // The user's changes do raise them; a check box toggles itself first.
    ui.move_trackbar(5, 10);
    ui.click_gadget(4);
    const std::vector<SeenEvent> seen = events();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].object, 5);
    EXPECT_EQ(seen[1].object, 4);
    EXPECT_EQ(get_gadget_state(5), 10);
    EXPECT_EQ(get_gadget_state(4), 0);
}

TEST_F(Objects, NegativeTrackbarLimitsCountAsZero) {
    ASSERT_TRUE(create_trackbar(6, 0, 0, 100, 30, -5, -1, 0));
    set_gadget_state(6, 3);
    EXPECT_EQ(get_gadget_state(6), 0);
}

TEST_F(Objects, WindowPlacementAndResize) {
    const WindowRecord* main = find_window(0);
    EXPECT_EQ(main->x, 0);
    ASSERT_TRUE(open_window(0, 0, 0, 640, 480, "main", window_caption | window_centre_on_screen));
    EXPECT_EQ(window_x(0), (HeadlessBinding::screen_width - 640) / 2);
    EXPECT_EQ(window_y(0), (HeadlessBinding::screen_height - 480) / 2);
    ASSERT_TRUE(open_window(1, window_x(0) + 40, window_y(0) + 40, 522, 394, "map",
                            window_caption | window_hidden));
    EXPECT_FALSE(find_window(1)->visible);
    EXPECT_EQ(window_x(1), window_x(0) + 40);
    ASSERT_TRUE(resize_window(1, keep_value, keep_value, 1024, 480));
    EXPECT_EQ(window_x(1), window_x(0) + 40);
    EXPECT_EQ(find_window(1)->inner_width, 1024);
    EXPECT_EQ(find_window(1)->inner_height, 480);
    hide_window(1, 0);
    EXPECT_TRUE(find_window(1)->visible);
    EXPECT_EQ(active_window(), 1);
}

TEST_F(Objects, CloseRequestOnlyRaisesAnEvent) {
    ui.request_close(0);
    const std::vector<SeenEvent> seen = events();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].kind, close_window_event);
    EXPECT_EQ(event_window(), 0);
    EXPECT_NE(find_window(0), nullptr);
}

TEST_F(Objects, TabMovesFocusAmongTabStopsInCreationOrder) {
    ASSERT_TRUE(create_canvas(0, 0, 0, 260, 260, canvas_border | canvas_keyboard));
    ASSERT_TRUE(create_label(7, 0, 0, 10, 10, "", 0));
    ASSERT_TRUE(create_trackbar(5, 0, 0, 10, 10, 0, 255, 0));
    ASSERT_TRUE(create_canvas(1, 0, 0, 128, 128, 0)); // no keyboard flag: not a tab stop
    ASSERT_TRUE(create_button(9, 0, 0, 10, 10, "<"));
    set_active_gadget(0);
    ui.press_key(vk_tab);
    ui.run([] { EXPECT_EQ(focused_gadget(), 5); });
    ui.press_key(vk_tab);
    ui.run([] { EXPECT_EQ(focused_gadget(), 9); });
    ui.press_key(vk_tab);
    ui.run([] { EXPECT_EQ(focused_gadget(), 0); });
    ui.press_key(vk_tab, modifier_shift);
    ui.run([] { EXPECT_EQ(focused_gadget(), 9); });
    events();
    set_active_gadget(1); // canvases without the keyboard flag never take the focus
    EXPECT_EQ(focused_gadget(), 9);
}

} // namespace
