// The menu bar of the main window, the two popup menus and the shortcuts, built from the
// command table.
#pragma once

void createMenus();
