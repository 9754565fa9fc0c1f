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

TEST_F(GadgetTest, TrackbarReportsEveryMovementButNotTheLogicsOwn) {
    auto* slider = widget<QSlider>(5);
    EXPECT_EQ(slider->maximum(), 255);
    EXPECT_EQ(slider->tickInterval(), 1);
    slider->setFocus();
    events();
    QTest::keyClick(slider, Qt::Key_Right);
    EXPECT_EQ(events_of(5).size(), 1u);
    QTest::keyClick(slider, Qt::Key_Right);
    EXPECT_EQ(events_of(5).size(), 1u);
    EXPECT_EQ(get_gadget_state(5), 2);

    set_gadget_state(5, 100);
    EXPECT_EQ(slider->value(), 100);
    EXPECT_TRUE(events_of(5).empty());
}

TEST_F(GadgetTest, CheckBoxTogglesWithTheRecord) {
    auto* box = widget<QCheckBox>(4);
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(events_of(4).size(), 1u);
    EXPECT_EQ(get_gadget_state(4), 1);
    EXPECT_TRUE(box->isChecked());

    set_gadget_state(4, 0);
    EXPECT_FALSE(box->isChecked());
    EXPECT_TRUE(events_of(4).empty());
}

TEST_F(GadgetTest, ButtonClickRaisesOneEventAndTakesTheFocus) {
    QTest::mouseClick(widget<QPushButton>(9), Qt::LeftButton);
    const std::vector<SeenEvent> seen = events_of(9);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].sub_event, 0);
    EXPECT_EQ(focused_gadget(), 9);
}

TEST_F(GadgetTest, TextFieldIsEditableAndWrittenSilently) {
    auto* field = widget<QTextEdit>(3);
    EXPECT_FALSE(field->isReadOnly());
    EXPECT_EQ(field->frameShadow(), QFrame::Sunken);
    set_gadget_text(3, "0,24,36,66,126,66,66,0");
    EXPECT_EQ(field->toPlainText(), QStringLiteral("0,24,36,66,126,66,66,0"));
    EXPECT_TRUE(events_of(3).empty());

    set_active_gadget(3);
    QTest::keyClicks(field, "7");
    EXPECT_FALSE(events_of(3).empty());
    EXPECT_NE(find_gadget(3)->text.find('7'), std::string::npos);
}

TEST_F(GadgetTest, SecondToolTipReplacesTheFirst) {
    set_gadget_tooltip(9, "shift left");
    EXPECT_EQ(ui.gadget_widget(9)->toolTip(), QStringLiteral("shift left"));
    set_gadget_tooltip(9, "shift right");
    EXPECT_EQ(ui.gadget_widget(9)->toolTip(), QStringLiteral("shift right"));
}

} // namespace
