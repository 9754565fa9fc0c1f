// The running toolkit's menus as the platform shows them.
#pragma once

namespace toolkit::detail {

// Menu bars changed while being built are shown when the program next waits.
void show_changed_menus();
// The window's menu bar and shortcuts end with it.
void destroy_menus_of_window(int window);
void destroy_all_menus();

} // namespace toolkit::detail
