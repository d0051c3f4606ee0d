#include "shell/tray_menu.h"

#include <gtest/gtest.h>

#include <string>

#include "shell/control_ids.h"

namespace tq {
namespace {

TEST(TrayMenu, ItemsInOrderEachWithItsOperation) {
    const struct {
        std::optional<std::string> caption;  // none: a separator
        std::optional<TrayMenuCommand> command;
    } expected[] = {
        {"上页", TrayMenuCommand::StepBack},
        {"下页", TrayMenuCommand::StepForward},
        {"暂停", TrayMenuCommand::StopTimer},
        {"开始", TrayMenuCommand::ResumeReading},
        {"退出阅读", TrayMenuCommand::ExitReading},
        {std::nullopt, std::nullopt},
        {"控制面板", TrayMenuCommand::ShowPanel},
        {std::nullopt, std::nullopt},
        {"退出", TrayMenuCommand::DestroyPanel},
    };
    const auto items = tray_menu_items();
    ASSERT_EQ(items.size(), std::size(expected));
    for (std::size_t i = 0; i < items.size(); ++i) {
        SCOPED_TRACE(i);
        if (expected[i].caption) {
            ASSERT_NE(items[i].caption, nullptr);
            EXPECT_EQ(std::string(items[i].caption), *expected[i].caption);
        } else {
            EXPECT_EQ(items[i].caption, nullptr);
        }
        EXPECT_EQ(tray_menu_command(items[i].command), expected[i].command);
    }
}

TEST(TrayMenu, OtherCommandIdsAreNotTrayCommands) {
    // The panel's own buttons share WM_COMMAND with the menu; its "退出"
    // button must not be taken for the menu item.
    for (const int command : {0, id::kQuit, id::kExitReading, id::kPreviousPage, 2000, 2008}) {
        SCOPED_TRACE(command);
        EXPECT_FALSE(tray_menu_command(command).has_value());
    }
}

}  // namespace
}  // namespace tq
