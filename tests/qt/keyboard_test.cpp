// Keys in real windows: shortcuts of the active window first, Tab through the tab stops, and
// the key state the event loop tests.
#include <QApplication>
#include <QTimer>

#include "qt_fixture.h"
#include "toolkit/menus.h"
#include "toolkit/requesters.h"

using namespace toolkit;

namespace {

class KeyboardTest : public QtToolkitTest {
  protected:
    qt::ProgramWindow* main_window = nullptr;

    void SetUp() override {
        QtToolkitTest::SetUp();
        main_window = open_shown_window(0);
        ASSERT_TRUE(create_canvas(0, 0, 0, 260, 260, canvas_border | canvas_keyboard));
        ASSERT_TRUE(create_label(7, 20, 260, 255, 20, "Begin range:0", label_centred));
        ASSERT_TRUE(create_button(9, 262, 128, 32, 20, "<"));
        ASSERT_TRUE(create_text_field(3, 262, 148, 128, 40, "", 7));
        ASSERT_TRUE(create_canvas(1, 262, 0, 128, 128, 0));
        add_keyboard_shortcut(0, shortcut_control + 'I', 7);
        events();
    }

    void expect_focus(int gadget) {
        EXPECT_EQ(focused_gadget(), gadget);
        EXPECT_EQ(QApplication::focusWidget(), ui.gadget_widget(gadget));
    }
};

TEST_F(KeyboardTest, ShortcutWorksInItsWindowWhateverHasTheFocus) {
    set_active_gadget(3);
    QTest::keyClick(ui.gadget_widget(3), Qt::Key_I, Qt::ControlModifier);
    const std::vector<SeenEvent> chosen = events_of_kind(menu_event);
    ASSERT_EQ(chosen.size(), 1u);
    EXPECT_EQ(chosen[0].object, 7);
    EXPECT_EQ(chosen[0].window, 0);
    EXPECT_TRUE(find_gadget(3)->text.empty());
}

TEST_F(KeyboardTest, ShortcutDoesNothingWhileAnotherWindowIsActive) {
    qt::ProgramWindow* second = open_shown_window(1, 300, 200);
    QTest::keyClick(second, Qt::Key_I, Qt::ControlModifier);
    EXPECT_TRUE(events_of_kind(menu_event).empty());
}

TEST_F(KeyboardTest, TabMovesThroughTheTabStopsInCreationOrder) {
    set_active_gadget(0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    expect_focus(9);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    expect_focus(3);
    // The text field gets no tab character: Tab moves on.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    expect_focus(0);
    EXPECT_TRUE(find_gadget(3)->text.empty());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    expect_focus(3);
}

TEST_F(KeyboardTest, KeysReachOnlyTheFocusedKeyboardCanvas) {
    set_active_gadget(0);
    events();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
    std::vector<SeenEvent> keys = events_of_kind(gadget_event);
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_EQ(keys[0].object, 0);
    EXPECT_EQ(keys[0].sub_event, key_down);
    EXPECT_EQ(keys[0].key, vk_delete);
    EXPECT_EQ(keys[1].sub_event, key_up);

    set_active_gadget(9);
    events();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
    EXPECT_TRUE(events_of_kind(gadget_event).empty());
}

TEST_F(KeyboardTest, EscapeCountsAsDownWhileHeldInEitherWindow) {
    qt::ProgramWindow* second = open_shown_window(1, 300, 200);
    EXPECT_FALSE(is_key_down(vk_escape));
    QTest::keyPress(second, Qt::Key_Escape);
    EXPECT_TRUE(is_key_down(vk_escape));
    QTest::keyRelease(second, Qt::Key_Escape);
    EXPECT_FALSE(is_key_down(vk_escape));
    QTest::keyPress(ui.gadget_widget(0), Qt::Key_Escape);
    EXPECT_TRUE(is_key_down(vk_escape));
    QTest::keyRelease(ui.gadget_widget(0), Qt::Key_Escape);
}

TEST_F(KeyboardTest, EscapeThatClosesARequesterIsNotHeldForTheProgram) {
    QTimer::singleShot(0,
                       [] { QTest::keyPress(QApplication::activeModalWidget(), Qt::Key_Escape); });
    message_requester("ZX font", "Do yo want to place at pos #32?", message_yes_no);
    EXPECT_FALSE(is_key_down(vk_escape));
    QTest::keyRelease(main_window, Qt::Key_Escape);
}

} // namespace
