// File drops onto real canvases: local file lists only, taken as a copy.
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "qt_fixture.h"
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

} // namespace
