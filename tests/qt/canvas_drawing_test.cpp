// Canvas pixels on screen after a drawing pass.
#include <QPaintEvent>
#include <QPixmap>
#include <memory>

#include "qt_fixture.h"
#include "toolkit/drawing.h"

using namespace toolkit;

namespace {

class CanvasDrawingTest : public QtToolkitTest {
  protected:
    void SetUp() override {
        QtToolkitTest::SetUp();
        open_shown_window(0);
    }

    static QColor shown_at(QWidget* widget, int x, int y) {
        return widget->grab().toImage().pixelColor(x, y);
    }

    // Collects the region of every paint event of the widget while the watcher lives.
    static std::unique_ptr<QObject> watch_paints(QWidget* widget, QRegion& painted) {
        struct Watcher : QObject {
            QRegion& painted;
            explicit Watcher(QRegion& region) : painted(region) {}
            bool eventFilter(QObject*, QEvent* event) override {
                if (event->type() == QEvent::Paint)
                    painted += static_cast<QPaintEvent*>(event)->region();
                return false;
            }
        };
        auto watcher = std::make_unique<Watcher>(painted);
        widget->installEventFilter(watcher.get());
        return watcher;
    }
};

// The desktop repaints only what a pass drew in.
TEST_F(CanvasDrawingTest, OnlyTheClippedAreaIsRepainted) {
    ASSERT_TRUE(create_canvas(0, 0, 0, 260, 260, canvas_border | canvas_keyboard));
    QWidget* canvas = ui.gadget_widget(0);
    QRegion painted;
    const std::unique_ptr<QObject> watch = watch_paints(canvas, painted);
    QTRY_VERIFY(!painted.isEmpty()); // the first, whole paint
    painted = QRegion();
    ASSERT_TRUE(start_drawing(canvas_output(0)));
    set_drawing_clip(32, 48, 16, 16);
    draw_box(0, 0, 256, 256, rgb(255, 0, 0));
    stop_drawing();
    QTRY_VERIFY(!painted.isEmpty());
    EXPECT_EQ(painted, QRegion(2 + 32, 2 + 48, 16, 16));
    EXPECT_EQ(shown_at(canvas, 2 + 32, 2 + 48), QColor(255, 0, 0));
    EXPECT_EQ(shown_at(canvas, 2 + 31, 2 + 48), QColor(255, 255, 255));
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

TEST_F(CanvasDrawingTest, PixelsStaySharpSquaresOnADoubleDensityScreen) {
    ASSERT_TRUE(create_canvas(1, 0, 0, 4, 4, 0));
    ASSERT_TRUE(start_drawing(canvas_output(1)));
    draw_box(1, 1, 1, 1, rgb(255, 0, 0));
    stop_drawing();
    QPixmap screen(8, 8);
    screen.setDevicePixelRatio(2);
    ui.gadget_widget(1)->render(&screen);
    const QImage shown = screen.toImage();
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(shown.pixelColor(x, y),
                      x / 2 == 1 && y / 2 == 1 ? QColor(255, 0, 0) : QColor(255, 255, 255))
                << x << "," << y;
}

} // namespace
