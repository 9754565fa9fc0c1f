// The menu bar of the main window, the two popup menus and the shortcuts, built from the
// command table.
#pragma once

void createMenus();
// The window's keyboard shortcuts: all of them in the main window, the Edit menu's in the map.
void addShortcuts(int window);
