// Menu bars and popup menus on real Qt menus.
#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>

#include "menu_actions.h"
#include "qt_fixture.h"
#include "toolkit/menus.h"

using namespace toolkit;

namespace {

class MenuTest : public QtToolkitTest {
  protected:
    qt::ProgramWindow* window = nullptr;

    void SetUp() override {
        QtToolkitTest::SetUp();
        window = open_shown_window(0);
        ASSERT_TRUE(create_menu(0, window_handle(0)));
        add_menu_title("File");
        add_menu_item(0, "Open...\tCtrl+O");
        open_submenu("Map");
        add_menu_item(27, "Grid on map");
        close_submenu();
        add_menu_item(3, "Fish & Chips");
        set_menu_item_checked(0, 27, 1);
        events();
        ASSERT_NE(window->menu_bar(), nullptr);
    }

    QAction* bar_action(int id) const { return find_action(window->menu_bar()->actions(), id); }
};

TEST_F(MenuTest, TabTextIsOnlyALabelAndAmpersandsShowAsThey) {
    EXPECT_TRUE(bar_action(0)->shortcut().isEmpty());
    QTest::keyClick(window, Qt::Key_O, Qt::ControlModifier);
    EXPECT_TRUE(events_of_kind(menu_event).empty());
    EXPECT_EQ(bar_action(3)->iconText(), QStringLiteral("Fish & Chips"));
}

TEST_F(MenuTest, CheckMarksStayAsTheRecordHasThem) {
    EXPECT_TRUE(bar_action(27)->isChecked());
    EXPECT_FALSE(bar_action(0)->isChecked());
    bar_action(27)->trigger();
    EXPECT_TRUE(bar_action(27)->isChecked());
    set_menu_item_checked(0, 27, 0);
    events();
    EXPECT_FALSE(bar_action(27)->isChecked());
}

TEST_F(MenuTest, OpenDropDownSurvivesACheckMarkChange) {
    QPointer<QMenu> drop_down = window->menu_bar()->actions().constFirst()->menu();
    drop_down->popup(window->mapToGlobal(QPoint(0, 20)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(drop_down));
    set_menu_item_checked(0, 27, 0);
    events();
    ASSERT_FALSE(drop_down.isNull());
    EXPECT_TRUE(drop_down->isVisible());
    EXPECT_FALSE(bar_action(27)->isChecked());
    drop_down->close();
}

class PopupMenuTest : public MenuTest {
  protected:
    void SetUp() override {
        MenuTest::SetUp();
        ASSERT_TRUE(create_popup_menu(2));
        add_menu_item(16, "Set begin range");
        add_menu_item(17, "Set end range");
        QTest::mouseMove(window->windowHandle(), QPoint(200, 150));
    }
};

TEST_F(PopupMenuTest, ChosenItemRaisesItsEventInTheGivenWindow) {
    QPoint popup_corner;
    QTimer::singleShot(0, [&] {
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(popup, nullptr);
        popup_corner = popup->pos();
        QAction* item = find_action(popup->actions(), 17);
        QTest::mouseClick(popup->windowHandle(), Qt::LeftButton, {},
                          popup->actionGeometry(item).center());
    });
    show_popup_menu(2, window_handle(0));
    EXPECT_EQ(popup_corner, QCursor::pos() - QPoint(1, 1));
    const std::vector<SeenEvent> chosen = events_of_kind(menu_event);
    ASSERT_EQ(chosen.size(), 1u);
    EXPECT_EQ(chosen[0].object, 17);
    EXPECT_EQ(chosen[0].window, 0);
}

} // namespace
