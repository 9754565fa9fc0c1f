// The program's input when the desktop delivers it in bursts, takes the mouse away or moves
// the keyboard between windows.
#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWindow>

#include "app/menu_ids.h"
#include "program_fixture.h"
#include "toolkit/binding.h"

using namespace toolkit;

namespace {

class ProgramInput : public Program {
  protected:
    void SetUp() override {
        Program::SetUp();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window(mainWindow)));
        runLoop();
    }

    // Queues a key press or release for the widget; it arrives with the rest of the batch.
    void post(int gadget, QEvent::Type type, int key, Qt::KeyboardModifiers modifiers = {}) {
        QCoreApplication::postEvent(ui.gadget_widget(gadget), new QKeyEvent(type, key, modifiers));
    }
    void postTap(int gadget, int key, Qt::KeyboardModifiers modifiers = {}) {
        post(gadget, QEvent::KeyPress, key, modifiers);
        post(gadget, QEvent::KeyRelease, key, modifiers);
    }

    QPoint onMap(int column, int row) {
        return ui.gadget_widget(mapView)->mapTo(window(mapWindow),
                                                QPoint(column * 16 + 8, row * 16 + 8));
    }
};

TEST_F(ProgramInput, KeysTypedInOneBurstAllCount) {
    // Ten Right and five Down, rolled as a quick typist does: releases of two keys meet.
    for (int i = 0; i < 10; ++i) {
        post(charsetView, QEvent::KeyPress, Qt::Key_Right);
        if (i < 5) post(charsetView, QEvent::KeyPress, Qt::Key_Down);
        post(charsetView, QEvent::KeyRelease, Qt::Key_Right);
        if (i < 5) post(charsetView, QEvent::KeyRelease, Qt::Key_Down);
    }
    runLoop();
    EXPECT_EQ(state.editor.currentChar(), 90);

    state.editor.changeDocument().charset[90 * 8] = 0x0F;
    const Charset before = state.editor.document().charset;
    postTap(charsetView, Qt::Key_I, Qt::ControlModifier);
    postTap(charsetView, Qt::Key_I, Qt::ControlModifier);
    runLoop();
    EXPECT_EQ(state.editor.document().charset, before); // inverted twice
    postTap(charsetView, Qt::Key_I, Qt::ControlModifier);
    runLoop();
    EXPECT_EQ(state.editor.document().charset[90 * 8], 0xF0);
}

TEST_F(ProgramInput, AQuickTapOfEscapeEndsTheProgram) {
    postTap(charsetView, Qt::Key_Escape);
    runLoop();
    EXPECT_TRUE(ended);
}

TEST_F(ProgramInput, ShowingTheMapAgainActivatesItAndTheCoreFollows) {
    chooseMenuItem(mapAtariId);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window(mapWindow)));
    runLoop();
    EXPECT_EQ(active_window(), mapWindow);

    window(mainWindow)->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window(mainWindow)));
    runLoop();
    EXPECT_EQ(active_window(), mainWindow);

    chooseMenuItem(mapPcId); // the map window is shown already
    ASSERT_TRUE(QTest::qWaitForWindowActive(window(mapWindow)));
    runLoop();
    EXPECT_EQ(active_window(), mapWindow);
}

TEST_F(ProgramInput, APopupOpenedWhileTheLeftButtonIsHeldEndsThePainting) {
    chooseMenuItem(mapAtariId);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window(mapWindow)));
    state.editor.setCurrentChar(200);
    QWindow* map = window(mapWindow)->windowHandle();
    QTest::mouseMove(map, onMap(1, 1));
    QTest::mousePress(map, Qt::LeftButton, {}, onMap(1, 1));
    runLoop();
    ASSERT_EQ(state.editor.document().mapCells[1][1], 200);
    // A right click opens the map's popup; the user dismisses it.
    QTest::mouseClick(map, Qt::RightButton, {}, onMap(1, 1));
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    });
    closer.start(10);
    runLoop();
    closer.stop();
    // The first move back over the map only enters it; the next ones would paint.
    const MapCells before = state.editor.document().mapCells;
    for (const int column : {3, 4, 5}) {
        QTest::mouseMove(map, onMap(column, 1));
        runLoop();
    }
    EXPECT_EQ(state.editor.document().mapCells, before);
    QTest::mouseRelease(map, Qt::LeftButton, {}, onMap(5, 1));
    runLoop();
}

} // namespace
