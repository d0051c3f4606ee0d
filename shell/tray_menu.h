// The tray menu "托盘菜单": its items in order and the operation behind each.
#pragma once

#include <optional>
#include <span>

namespace tq {

struct TrayMenuItem {
    int command;          // a menu::k... id; 0 for a separator
    const char* caption;  // code page 936; null for a separator
};

// "上页", "下页", "暂停", "开始", "退出阅读", separator, "控制面板", separator, "退出".
std::span<const TrayMenuItem> tray_menu_items();

enum class TrayMenuCommand {
    StepBack,       // step_back
    StepForward,    // step_forward
    StopTimer,      // stop_timer, whether reading or not
    ResumeReading,  // resume_reading
    ExitReading,    // exit_reading
    ShowPanel,      // show_panel
    DestroyPanel,   // destroy_panel, which ends the program
};

// The operation of a WM_COMMAND id from the tray menu; none for other ids.
std::optional<TrayMenuCommand> tray_menu_command(int command);

}  // namespace tq
