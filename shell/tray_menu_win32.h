// The tray menu "托盘菜单" as a Win32 popup menu.
#pragma once

#include <windows.h>

#include "shell/unique_handle.h"

namespace tq {

// The popup menu with the items of tray_menu_items(), in order.
unique_menu build_tray_menu();

// Shows the tray menu at a screen point and returns when it has closed. The
// chosen item reaches owner as WM_COMMAND with its menu::k... id. Works while
// owner is hidden.
void show_tray_menu(HWND owner, POINT at);

}  // namespace tq
