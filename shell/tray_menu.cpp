#include "shell/tray_menu.h"

#include <array>

#include "shell/control_ids.h"

namespace tq {

namespace {

constexpr int kSeparator = 0;

constexpr std::array<TrayMenuItem, 9> kItems{{
    {menu::kPreviousPage, "上页"},
    {menu::kNextPage, "下页"},
    {menu::kPause, "暂停"},
    {menu::kResume, "开始"},
    {menu::kExitReading, "退出阅读"},
    {kSeparator, nullptr},
    {menu::kShowPanel, "控制面板"},
    {kSeparator, nullptr},
    {menu::kQuit, "退出"},
}};

}  // namespace

std::span<const TrayMenuItem> tray_menu_items() { return kItems; }

std::optional<TrayMenuCommand> tray_menu_command(int command) {
    switch (command) {
        case menu::kPreviousPage: return TrayMenuCommand::StepBack;
        case menu::kNextPage: return TrayMenuCommand::StepForward;
        case menu::kPause: return TrayMenuCommand::StopTimer;
        case menu::kResume: return TrayMenuCommand::ResumeReading;
        case menu::kExitReading: return TrayMenuCommand::ExitReading;
        case menu::kShowPanel: return TrayMenuCommand::ShowPanel;
        case menu::kQuit: return TrayMenuCommand::DestroyPanel;
        default: return std::nullopt;
    }
}

}  // namespace tq
