// Trackbars, check boxes, buttons and text fields: what the user does becomes an event, what the
// logic sets raises none.
#include "conformance.h"
#include "toolkit/binding.h"

using namespace toolkit;

namespace {

class GadgetConformance : public Conformance {
  protected:
    void SetUp() override {
        Conformance::SetUp();
        open_shown_window(0);
        ASSERT_TRUE(create_trackbar(5, 20, 280, 255, 30, 0, 255, trackbar_ticks));
        ASSERT_TRUE(create_checkbox(4, 0, 310, 20, 20, ""));
        ASSERT_TRUE(create_button(9, 262, 128, 32, 20, "<"));
        ASSERT_TRUE(create_text_field(3, 262, 148, 128, 40, "", text_centred | text_multi_line));
        events();
    }
};

TEST_F(GadgetConformance, TrackbarReportsTheUsersMovesButNotTheLogicsOwn) {
    set_gadget_state(5, 40);
    EXPECT_TRUE(events_of(gadget_event, 5).empty());
    user->slide(5, 100);
    EXPECT_FALSE(events_of(gadget_event, 5).empty());
    EXPECT_EQ(get_gadget_state(5), 100);
}

TEST_F(GadgetConformance, CheckBoxClickTogglesItsState) {
    user->click(4);
    EXPECT_EQ(events_of(gadget_event, 4).size(), 1u);
    EXPECT_EQ(get_gadget_state(4), 1);
    user->click(4);
    events();
    EXPECT_EQ(get_gadget_state(4), 0);
}

TEST_F(GadgetConformance, ButtonClickRaisesOneEvent) {
    user->click(9);
    EXPECT_EQ(events_of(gadget_event, 9).size(), 1u);
}

TEST_F(GadgetConformance, TextTypedIntoAFieldReachesTheLogicAndItsOwnDoesNot) {
    set_gadget_text(3, "0,0,0");
    EXPECT_TRUE(events_of(gadget_event, 3).empty());
    user->edit(3, "60,102,110");
    EXPECT_FALSE(events_of(gadget_event, 3).empty());
    EXPECT_EQ(find_gadget(3)->text, "60,102,110");
}

} // namespace
