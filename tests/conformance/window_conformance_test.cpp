// Windows: shown with their title and inner size, hidden and shown on request, moved and closed
// only by the logic, activation followed.
#include "conformance.h"
#include "toolkit/binding.h"
#include "toolkit/drawing.h"

using namespace toolkit;

namespace {

using WindowConformance = Conformance;

TEST_F(WindowConformance, OpensWithItsTitleAndInnerSize) {
    // A title with characters beyond ASCII, as the code page names give them.
    ASSERT_TRUE(open_window(0, 40, 40, 300, 200, "Zeichens\xC3\xA4tze \xE2\x80\x93 1",
                            window_caption | window_system_menu | window_minimise_box));
    events();
    EXPECT_TRUE(user->shown(0));
    EXPECT_EQ(user->title(0), "Zeichens\xC3\xA4tze \xE2\x80\x93 1");
    EXPECT_EQ(user->inner_size(0), std::pair(300, 200));
    set_window_title(0, "gridlet v2 0.9f 65");
    events();
    EXPECT_EQ(user->title(0), "gridlet v2 0.9f 65");
}

TEST_F(WindowConformance, HiddenWindowShowsAndHidesOnRequestKeepingItsPlace) {
    open_shown_window(0);
    ASSERT_TRUE(open_window(1, 80, 80, 522, 394, "Character map",
                            window_caption | window_system_menu | window_hidden));
    events();
    EXPECT_FALSE(user->shown(1));
    ASSERT_TRUE(resize_window(1, keep_value, keep_value, 640, 384));
    hide_window(1, 0);
    events();
    EXPECT_TRUE(user->shown(1));
    EXPECT_EQ(user->inner_size(1), std::pair(640, 384));
    EXPECT_EQ(std::pair(window_x(1), window_y(1)), std::pair(80, 80));
    hide_window(1, 1);
    events();
    EXPECT_FALSE(user->shown(1));
}

// Only the logic's own requests place a window: showing, retitling and drawing in it leave it
// where the desktop framed it or the user dragged it, and the core follows it there.
TEST_F(WindowConformance, MovesOnlyWhenTheLogicGivesAPlace) {
    open_shown_window(0, 300, 200);
    ASSERT_TRUE(create_canvas(0, 0, 0, 64, 64, 0));
    const auto show_anew = [] {
        set_window_title(0, "retitled");
        hide_window(0, 1);
        hide_window(0, 0);
        EXPECT_TRUE(start_drawing(canvas_output(0)));
        draw_box(0, 0, 8, 8, rgb(255, 0, 0));
        stop_drawing();
    };
    user->reframe(0);
    events();
    const std::pair<int, int> framed = user->place(0);
    show_anew();
    events();
    EXPECT_EQ(user->place(0), framed);
    EXPECT_EQ(std::pair(window_x(0), window_y(0)), framed);

    user->move_window(0, 200, 150);
    events();
    ASSERT_EQ(user->place(0), std::pair(200, 150));
    EXPECT_EQ(std::pair(window_x(0), window_y(0)), std::pair(200, 150));
    show_anew();
    events();
    EXPECT_EQ(user->place(0), std::pair(200, 150));
    EXPECT_EQ(std::pair(window_x(0), window_y(0)), std::pair(200, 150));

    ASSERT_TRUE(resize_window(0, 120, 90, keep_value, keep_value));
    events();
    EXPECT_EQ(user->place(0), std::pair(120, 90));
}

TEST_F(WindowConformance, CloseRequestOnlyRaisesAnEvent) {
    open_shown_window(0);
    user->close(0);
    const std::vector<SeenEvent> closes = events_of(close_window_event);
    ASSERT_EQ(closes.size(), 1u);
    EXPECT_EQ(closes[0].window, 0);
    EXPECT_TRUE(user->shown(0));
}

TEST_F(WindowConformance, TheCoreFollowsActivation) {
    open_shown_window(0);
    open_shown_window(1, 300, 200);
    EXPECT_EQ(active_window(), 1);
    user->activate(0);
    events();
    EXPECT_EQ(active_window(), 0);
}

} // namespace
