// The whole program's start-up and map sizes on real windows.
#include "app/menu_ids.h"
#include "program_fixture.h"

namespace {

TEST_F(Program, StartsWithTheMainWindowShownAndTheMapHidden) {
    toolkit::qt::ProgramWindow* main = ui.window_widget(mainWindow);
    toolkit::qt::ProgramWindow* map = ui.window_widget(mapWindow);
    ASSERT_NE(main, nullptr);
    ASSERT_NE(map, nullptr);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(main));
    EXPECT_EQ(main->windowTitle(), "gridlet v2 0.9f");
    // The menu bar takes its height out of the 640 x 480 client area.
    EXPECT_EQ(main->size(), QSize(640, 480));
    EXPECT_EQ(main->gadget_area()->height() + main->menu_bar()->height(), 480);
    EXPECT_FALSE(map->isVisible());
    EXPECT_EQ(map->windowTitle(), "Character map");
}

TEST_F(Program, AMapSizeMakesTheInnerAreaExactlyTheMap) {
    chooseMenuItem(mapUssrId);
    toolkit::qt::ProgramWindow* map = ui.window_widget(mapWindow);
    EXPECT_TRUE(map->isVisible());
    EXPECT_EQ(map->size(), QSize(1024, 480));
    EXPECT_EQ(ui.gadget_widget(mapView)->size(), QSize(1024, 480));
    chooseMenuItem(mapZxId);
    EXPECT_EQ(map->size(), QSize(512, 384));
}

} // namespace
