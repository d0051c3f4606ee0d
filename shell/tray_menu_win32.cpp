#include "shell/tray_menu_win32.h"

#include "shell/tray_menu.h"

namespace tq {

unique_menu build_tray_menu() {
    unique_menu menu{CreatePopupMenu()};
    if (!menu) return menu;
    for (const TrayMenuItem& item : tray_menu_items()) {
        if (item.caption == nullptr) {
            AppendMenuA(menu.get(), MF_SEPARATOR, 0, nullptr);
        } else {
            AppendMenuA(menu.get(), MF_STRING, static_cast<UINT_PTR>(item.command), item.caption);
        }
    }
    return menu;
}

void show_tray_menu(HWND owner, POINT at) {
    unique_menu menu = build_tray_menu();
    if (!menu) return;
    // A popup menu tracked for a window that is not in the foreground does
    // not close when the user clicks elsewhere; the owner is made foreground
    // first, and the WM_NULL afterwards makes the menu go away at once when
    // it is dismissed by switching tasks.
    SetForegroundWindow(owner);
    TrackPopupMenu(menu.get(), TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr);
    PostMessageA(owner, WM_NULL, 0, 0);
}

}  // namespace tq
