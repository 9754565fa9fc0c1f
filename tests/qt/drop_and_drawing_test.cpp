// File drops onto real canvases, and canvas pixels on screen after a drawing pass.
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "qt_fixture.h"
#include "toolkit/drawing.h"
#include "toolkit/menus.h"

using namespace toolkit;

namespace {

class DropTest : public QtToolkitTest {
  protected:
    QWidget* canvas = nullptr;

    void SetUp() override {
        QtToolkitTest::SetUp();
        open_shown_window(1, 522, 394);
        ASSERT_TRUE(create_canvas(2, 0, 0, 512, 384, 0));
        enable_gadget_drop(2, drop_files, drop_copy);
        canvas = ui.gadget_widget(2);
        events();
    }

    // Drags the data over the canvas; whether the canvas took it and how.
    std::pair<bool, Qt::DropAction> drag_over(const QMimeData& data) {
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction | Qt::MoveAction, &data,
                              Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(canvas, &enter);
        return {enter.isAccepted(), enter.dropAction()};
    }
    void drop(const QMimeData& data) {
        QDropEvent dropped(QPointF(10, 10), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                           Qt::NoModifier);
        QApplication::sendEvent(canvas, &dropped);
    }
};

TEST_F(DropTest, DroppedFilesGiveOneEventWithTheNamesOnLines) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile("/tmp/a.map"), QUrl::fromLocalFile("/tmp/b c.map"),
                  QUrl::fromLocalFile("/tmp/d.fnt")});
    EXPECT_TRUE(canvas->acceptDrops());
    EXPECT_EQ(drag_over(data), std::pair(true, Qt::CopyAction));
    drop(data);
    int drops = 0;
    while (has_queued_events()) {
        if (wait_window_event() != files_dropped_event) continue;
        ++drops;
        EXPECT_EQ(event_gadget(), 2);
        EXPECT_EQ(event_window(), 1);
        EXPECT_EQ(event_dropped_files(), "/tmp/a.map\n/tmp/b c.map\n/tmp/d.fnt");
    }
    EXPECT_EQ(drops, 1);
}

TEST_F(DropTest, TextAndRemoteFilesAreRefused) {
    QMimeData text;
    text.setText("some text");
    EXPECT_FALSE(drag_over(text).first);
    drop(text);
    QMimeData remote;
    remote.setUrls({QUrl("https://example.org/a.fnt")});
    EXPECT_FALSE(drag_over(remote).first);
    drop(remote);
    EXPECT_TRUE(events_of_kind(files_dropped_event).empty());
}

TEST_F(DropTest, CanvasWithoutRegistrationTakesNoFiles) {
    ASSERT_TRUE(create_canvas(1, 0, 0, 128, 128, 0));
    EXPECT_FALSE(ui.gadget_widget(1)->acceptDrops());
}

class CanvasDrawingTest : public QtToolkitTest {
  protected:
    void SetUp() override {
        QtToolkitTest::SetUp();
        open_shown_window(0);
    }

    static QColor shown_at(QWidget* widget, int x, int y) {
        return widget->grab().toImage().pixelColor(x, y);
    }
};

TEST_F(CanvasDrawingTest, DrawingShowsAfterTheInsetOfTheBorder) {
    ASSERT_TRUE(create_canvas(0, 0, 0, 20, 12, canvas_border | canvas_keyboard));
    ASSERT_TRUE(start_drawing(canvas_output(0)));
    draw_box(3, 2, 4, 1, rgb(255, 0, 0));
    stop_drawing();
    QWidget* canvas = ui.gadget_widget(0);
    EXPECT_EQ(shown_at(canvas, 2 + 3, 2 + 2), QColor(255, 0, 0));
    EXPECT_EQ(shown_at(canvas, 2 + 6, 2 + 2), QColor(255, 0, 0));
    EXPECT_EQ(shown_at(canvas, 2 + 7, 2 + 2), QColor(255, 255, 255));
    EXPECT_EQ(shown_at(canvas, 2 + 0, 2 + 0), QColor(255, 255, 255));
    EXPECT_NE(shown_at(canvas, 0, 0), QColor(255, 255, 255));
}

TEST_F(CanvasDrawingTest, ResizedCanvasShowsWhatItKept) {
    ASSERT_TRUE(create_canvas(2, 0, 0, 16, 16, 0));
    ASSERT_TRUE(start_drawing(canvas_output(2)));
    draw_box(0, 0, 16, 16, rgb(0, 0, 255));
    stop_drawing();
    ASSERT_TRUE(resize_gadget(2, keep_value, keep_value, 32, 8));
    QWidget* canvas = ui.gadget_widget(2);
    EXPECT_EQ(canvas->size(), QSize(32, 8));
    EXPECT_EQ(shown_at(canvas, 15, 7), QColor(0, 0, 255));
    EXPECT_EQ(shown_at(canvas, 16, 0), QColor(255, 255, 255));
}

} // namespace
