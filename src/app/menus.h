// The menu bar of the main window, the two popup menus and the shortcuts, built from the
// command table.
#pragma once

#include <vector>

#include "files/recent_files.h"

void createMenus(const std::vector<RecentFile>& recent);
// The menu bar alone, made anew when the recent files change; false when it could not be.
bool createMainMenu(const std::vector<RecentFile>& recent);
// The window's keyboard shortcuts: all of them in the main window, the Edit menu's in the map.
void addShortcuts(int window);
