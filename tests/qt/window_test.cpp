// Program windows on real widgets: size, place, visibility, titles and close requests.
#include <QGuiApplication>
#include <QScreen>

#include "qt_fixture.h"
#include "toolkit/menus.h"

using namespace toolkit;

namespace {

constexpr int main_window_flags = window_caption + window_system_menu + window_minimise_box;

class WindowTest : public QtToolkitTest {};

TEST_F(WindowTest, CentredWindowHasTheInnerSizeAndReportsItsCorner) {
    ASSERT_TRUE(open_window(0, 5, 5, 640, 480, "gridlet v2 0.9f",
                            main_window_flags + window_centre_on_screen));
    qt::ProgramWindow* window = ui.window_widget(0);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    EXPECT_EQ(window->size(), QSize(640, 480));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("gridlet v2 0.9f"));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QSize outer = window->frameGeometry().size();
    EXPECT_EQ(window_x(0), screen.x() + (screen.width() - outer.width()) / 2);
    EXPECT_EQ(window_y(0), screen.y() + (screen.height() - outer.height()) / 2);
    EXPECT_EQ(QPoint(window_x(0), window_y(0)), window->frameGeometry().topLeft());
}

TEST_F(WindowTest, WindowCannotBeResizedOrMaximised) {
    open_shown_window(0);
    qt::ProgramWindow* window = ui.window_widget(0);
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(WindowTest, ShowingAMinimisedWindowKeepsItMinimised) {
    qt::ProgramWindow* window = open_shown_window(0);
    window->showMinimized();
    hide_window(0, 1);
    hide_window(0, 0);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isMinimized());
}

TEST_F(WindowTest, CentringOnTheActiveWindow) {
    qt::ProgramWindow* main = open_shown_window(0, 600, 400);
    ASSERT_TRUE(
        open_window(1, 0, 0, 200, 100, "centred", window_caption + window_centre_on_active));
    const QRect frame = main->frameGeometry();
    const QSize outer = ui.window_widget(1)->frameGeometry().size();
    EXPECT_EQ(window_x(1), std::max(0, frame.x() + (frame.width() - outer.width()) / 2));
    EXPECT_EQ(window_y(1), std::max(0, frame.y() + (frame.height() - outer.height()) / 2));
}

TEST_F(WindowTest, ResizeKeepsThePlaceAndSetsTheInnerSize) {
    qt::ProgramWindow* window = open_shown_window(0);
    const QPoint corner = window->frameGeometry().topLeft();
    ASSERT_TRUE(resize_window(0, keep_value, keep_value, 320, 200));
    EXPECT_EQ(window->size(), QSize(320, 200));
    EXPECT_EQ(window->frameGeometry().topLeft(), corner);
    ASSERT_TRUE(resize_window(0, keep_value, keep_value, keep_value, 150));
    EXPECT_EQ(window->size(), QSize(320, 150));
}

TEST_F(WindowTest, MenuBarTakesItsHeightFromTheClientArea) {
    qt::ProgramWindow* window = open_shown_window(0, 640, 480);
    ASSERT_TRUE(create_canvas(0, 0, 0, 260, 260, 0));
    ASSERT_TRUE(create_menu(0, window_handle(0)));
    add_menu_title("File");
    add_menu_item(1, "Quit");
    events(); // the bar is shown when the program next waits
    ASSERT_NE(window->menu_bar(), nullptr);
    const int bar_height = window->menu_bar()->height();
    EXPECT_GT(bar_height, 0);
    EXPECT_EQ(window->size(), QSize(640, 480));
    EXPECT_EQ(ui.gadget_widget(0)->mapTo(window, QPoint(0, 0)), QPoint(0, bar_height));
}

} // namespace
