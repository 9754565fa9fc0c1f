// Mouse and key input on real canvas widgets, driven through the window as the platform
// delivers it, and the sub-events the core makes of it.
#include <QApplication>
#include <QKeyEvent>
#include <QWheelEvent>

#include "qt_fixture.h"

using namespace toolkit;

namespace {

class CanvasInputTest : public QtToolkitTest {
  protected:
    qt::ProgramWindow* window = nullptr;

    void SetUp() override {
        QtToolkitTest::SetUp();
        window = open_shown_window(0, 640, 480);
        ASSERT_TRUE(create_canvas(0, 0, 0, 260, 260, canvas_border | canvas_keyboard));
        ASSERT_TRUE(create_canvas(1, 300, 0, 128, 128, 0));
        ASSERT_TRUE(create_button(9, 262, 300, 32, 20, "<"));
        // The pointer starts away from the canvases; QTest drops a move to where it already is.
        static int nudge = 0;
        QTest::mouseMove(window->windowHandle(), QPoint(600, 400 + nudge++ % 2));
        events();
    }

    QPoint on_canvas(int gadget, int x, int y) const {
        const int inset = find_gadget(gadget)->inset();
        return ui.gadget_widget(gadget)->mapTo(window, QPoint(inset + x, inset + y));
    }
    // Each step is taken out of the queue at once, as the program's loop does between two
    // platform messages; otherwise identical events would merge.
    void move_to(QPoint at) {
        QTest::mouseMove(window->windowHandle(), at);
        take_events();
    }
    void press(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(window->windowHandle(), button, {}, at);
        take_events();
    }
    void release(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseRelease(window->windowHandle(), button, {}, at);
        take_events();
    }
    void click(QPoint at) {
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, at);
        take_events();
    }
    void send_key(QEvent::Type type, int key, bool repeat) {
        QKeyEvent event(type, key, Qt::NoModifier, QString(), repeat);
        QApplication::sendEvent(QApplication::focusWidget(), &event);
        take_events();
    }

    void take_events() {
        for (const SeenEvent& event : events_of_kind(gadget_event)) seen_.push_back(event);
    }
    std::vector<SeenEvent> canvas_events(int gadget) {
        take_events();
        std::vector<SeenEvent> of_canvas;
        for (const SeenEvent& event : seen_)
            if (event.object == gadget) of_canvas.push_back(event);
        seen_.clear();
        return of_canvas;
    }

  private:
    std::vector<SeenEvent> seen_;
};

std::vector<int> subs_of(const std::vector<SeenEvent>& seen) {
    std::vector<int> subs;
    for (const SeenEvent& event : seen) subs.push_back(event.sub_event);
    return subs;
}

TEST_F(CanvasInputTest, FirstMovementEntersThenMoves) {
    move_to(on_canvas(1, 5, 5));
    move_to(on_canvas(1, 6, 5));
    move_to(on_canvas(1, 7, 9));
    const std::vector<SeenEvent> seen = canvas_events(1);
    EXPECT_EQ(subs_of(seen), (std::vector<int>{mouse_enter, mouse_move, mouse_move}));
    EXPECT_EQ(seen.back().x, 7);
    EXPECT_EQ(seen.back().y, 9);
}

TEST_F(CanvasInputTest, ClickGivesDownUpAndClickWithPositions) {
    move_to(on_canvas(1, 20, 40));
    press(on_canvas(1, 20, 40));
    release(on_canvas(1, 20, 40));
    const std::vector<SeenEvent> seen = canvas_events(1);
    ASSERT_EQ(subs_of(seen),
              (std::vector<int>{mouse_enter, left_button_down, left_button_up, left_click}));
    EXPECT_EQ(seen[1].x, 20);
    EXPECT_EQ(seen[1].y, 40);
    EXPECT_EQ(seen[1].buttons, button_left);
    EXPECT_EQ(seen[2].buttons, 0);
    EXPECT_EQ(seen[3].x, 20);
}

TEST_F(CanvasInputTest, DragOutOfTheCanvasGivesNegativePositionsAndNoClick) {
    move_to(on_canvas(1, 10, 10));
    press(on_canvas(1, 10, 10));
    move_to(on_canvas(1, 20, -30));
    move_to(on_canvas(1, -50, 5));
    release(on_canvas(1, -50, 5));
    const std::vector<SeenEvent> seen = canvas_events(1);
    ASSERT_EQ(subs_of(seen), (std::vector<int>{mouse_enter, left_button_down, mouse_move,
                                               mouse_move, left_button_up, mouse_leave}));
    EXPECT_EQ(seen[2].y, -30);
    EXPECT_EQ(seen[2].buttons, button_left);
    EXPECT_EQ(seen[3].x, -50);
    EXPECT_EQ(seen[4].x, -50);
}

TEST_F(CanvasInputTest, SecondButtonKeepsTheCaptureUntilBothAreUp) {
    move_to(on_canvas(1, 10, 10));
    press(on_canvas(1, 10, 10));
    press(on_canvas(1, 10, 10), Qt::RightButton);
    release(on_canvas(1, -20, 10));
    move_to(on_canvas(1, -30, 10));
    release(on_canvas(1, -30, 10), Qt::RightButton);
    const std::vector<SeenEvent> seen = canvas_events(1);
    // Releasing somewhere else first moves the pointer there.
    EXPECT_EQ(subs_of(seen),
              (std::vector<int>{mouse_enter, left_button_down, right_button_down, mouse_move,
                                left_button_up, mouse_move, right_button_up, mouse_leave}));
}

TEST_F(CanvasInputTest, DoubleClickOrder) {
    move_to(on_canvas(1, 3, 3));
    QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {}, on_canvas(1, 3, 3));
    EXPECT_EQ(subs_of(canvas_events(1)),
              (std::vector<int>{mouse_enter, left_button_down, left_button_up, left_click,
                                left_button_down, left_double_click, left_button_up, left_click}));
}

TEST_F(CanvasInputTest, ReleaseOverTheBorderStillClicks) {
    move_to(on_canvas(0, 100, 100));
    press(on_canvas(0, 100, 100));
    move_to(on_canvas(0, 258, 100));
    release(on_canvas(0, 258, 100));
    const std::vector<SeenEvent> seen = canvas_events(0);
    ASSERT_GE(seen.size(), 3u);
    EXPECT_EQ(seen[seen.size() - 3].sub_event, left_button_up);
    EXPECT_EQ(seen[seen.size() - 2].sub_event, left_click);
    EXPECT_EQ(seen[seen.size() - 2].x, 258);
    EXPECT_EQ(seen.back().sub_event, mouse_leave);
}

TEST_F(CanvasInputTest, OnlyTheKeyboardCanvasTakesTheFocusWhenClicked) {
    set_active_gadget(0);
    move_to(on_canvas(1, 10, 10));
    click(on_canvas(1, 10, 10));
    EXPECT_EQ(focused_gadget(), 0);
    EXPECT_EQ(QApplication::focusWidget(), ui.gadget_widget(0));

    QWidget* button = ui.gadget_widget(9);
    click(button->mapTo(window, button->rect().center()));
    EXPECT_EQ(focused_gadget(), 9);
    EXPECT_EQ(QApplication::focusWidget(), button);

    click(on_canvas(0, 10, 10));
    EXPECT_EQ(focused_gadget(), 0);
    EXPECT_EQ(QApplication::focusWidget(), ui.gadget_widget(0));
}

TEST_F(CanvasInputTest, HeldKeyRepeatsKeyDownAndEndsWithOneKeyUp) {
    set_active_gadget(0);
    canvas_events(0);
    send_key(QEvent::KeyPress, Qt::Key_Left, false);
    for (int repeat = 0; repeat < 2; ++repeat) {
        send_key(QEvent::KeyRelease, Qt::Key_Left, true);
        send_key(QEvent::KeyPress, Qt::Key_Left, true);
    }
    send_key(QEvent::KeyRelease, Qt::Key_Left, false);
    const std::vector<SeenEvent> seen = canvas_events(0);
    ASSERT_EQ(subs_of(seen), (std::vector<int>{key_down, key_down, key_down, key_up}));
    for (const SeenEvent& event : seen) EXPECT_EQ(event.key, vk_left);
}

TEST_F(CanvasInputTest, TypedCharactersFollowTheirKeys) {
    set_active_gadget(0);
    canvas_events(0);
    QTest::keyClick(ui.gadget_widget(0), Qt::Key_A);
    const std::vector<SeenEvent> seen = canvas_events(0);
    ASSERT_EQ(subs_of(seen), (std::vector<int>{key_down, character_input, key_up}));
    EXPECT_EQ(seen[0].key, 'A');
}

TEST_F(CanvasInputTest, WheelCountsWholeNotches) {
    const QPointF at = on_canvas(1, 4, 4) - ui.gadget_widget(1)->mapTo(window, QPoint());
    for (int turn = 0; turn < 3; ++turn) {
        QWheelEvent wheel(at, window->mapToGlobal(at), QPoint(), QPoint(0, 60), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(ui.gadget_widget(1), &wheel);
    }
    std::vector<int> notches;
    while (has_queued_events()) {
        if (wait_window_event() == gadget_event && event_type() == mouse_wheel)
            notches.push_back(get_gadget_attribute(1, attribute_wheel));
    }
    EXPECT_EQ(notches, std::vector<int>{1});
}

} // namespace
