// Labels, trackbars, check boxes, buttons and text fields on real widgets: what the user does
// becomes an event, what the logic sets raises none.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTextEdit>

#include "qt_fixture.h"

using namespace toolkit;

namespace {

class GadgetTest : public QtToolkitTest {
  protected:
    qt::ProgramWindow* window = nullptr;

    void SetUp() override {
        QtToolkitTest::SetUp();
        window = open_shown_window(0);
        ASSERT_TRUE(create_label(7, 20, 260, 255, 20, "Fish & Chips", label_centred));
        ASSERT_TRUE(create_trackbar(5, 20, 280, 255, 30, 0, 255, trackbar_ticks));
        ASSERT_TRUE(create_checkbox(4, 0, 310, 20, 20, ""));
        ASSERT_TRUE(create_button(9, 262, 128, 32, 20, "<"));
        ASSERT_TRUE(create_text_field(3, 262, 148, 128, 40, "", 7));
        events();
    }

    template <typename Widget> Widget* widget(int gadget) const {
        return qobject_cast<Widget*>(ui.gadget_widget(gadget));
    }

    std::vector<SeenEvent> events_of(int gadget) {
        std::vector<SeenEvent> of_gadget;
        for (const SeenEvent& event : events_of_kind(gadget_event))
            if (event.object == gadget) of_gadget.push_back(event);
        return of_gadget;
    }
};

TEST_F(GadgetTest, GadgetsStandWhereTheLogicPutThem) {
    EXPECT_EQ(ui.gadget_widget(9)->geometry(), QRect(262, 128, 32, 20));
    ASSERT_TRUE(resize_gadget(9, keep_value, 140, 40, keep_value));
    EXPECT_EQ(ui.gadget_widget(9)->geometry(), QRect(262, 140, 40, 20));
}

TEST_F(GadgetTest, LabelShowsItsTextLiterallyAndChangesSilently) {
    auto* label = widget<QLabel>(7);
    EXPECT_EQ(label->text(), QStringLiteral("Fish & Chips"));
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    set_gadget_text(7, "End range:10");
    EXPECT_EQ(label->text(), QStringLiteral("End range:10"));
    EXPECT_TRUE(events_of(7).empty());
}

TEST_F(GadgetTest, SecondToolTipReplacesTheFirst) {
    set_gadget_tooltip(9, "shift left");
    EXPECT_EQ(ui.gadget_widget(9)->toolTip(), QStringLiteral("shift left"));
    set_gadget_tooltip(9, "shift right");
    EXPECT_EQ(ui.gadget_widget(9)->toolTip(), QStringLiteral("shift right"));
}

} // namespace
