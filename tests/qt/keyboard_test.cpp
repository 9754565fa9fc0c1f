// Keys in real windows as Qt reports them: the key state the event loop tests, and automatic
// repeats. (What every binding does with keys is in the conformance suite.)
#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

#include "qt_fixture.h"
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
        events();
    }

    // Taken from the queue at once, as the program's loop does between two platform messages.
    std::vector<int> send_key(QEvent::Type type, int key, bool repeat) {
        QKeyEvent event(type, key, Qt::NoModifier, QString(), repeat);
        QApplication::sendEvent(QApplication::focusWidget(), &event);
        return sub_events(0);
    }
};

// Qt reports an automatic repeat as a release and a press; only the presses count.
TEST_F(KeyboardTest, HeldKeyRepeatsKeyDownAndEndsWithOneKeyUp) {
    set_active_gadget(0);
    events();
    std::vector<int> subs = send_key(QEvent::KeyPress, Qt::Key_Left, false);
    for (int repeat = 0; repeat < 2; ++repeat) {
        for (const int sub : send_key(QEvent::KeyRelease, Qt::Key_Left, true)) subs.push_back(sub);
        for (const int sub : send_key(QEvent::KeyPress, Qt::Key_Left, true)) subs.push_back(sub);
    }
    for (const int sub : send_key(QEvent::KeyRelease, Qt::Key_Left, false)) subs.push_back(sub);
    EXPECT_EQ(subs, (std::vector<int>{key_down, key_down, key_down, key_up}));
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
