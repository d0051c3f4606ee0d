// The tray menu as Win32 builds it: items, ids and separators in order.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "shell/control_ids.h"
#include "shell/tray_menu_win32.h"

namespace tq {
namespace {

TEST(BuildTrayMenu, HoldsTheItemsInOrderWithoutSubmenusOrChecks) {
    const struct {
        const char* caption;  // null: a separator
        int id;
    } expected[] = {
        {"上页", menu::kPreviousPage}, {"下页", menu::kNextPage}, {"暂停", menu::kPause},
        {"开始", menu::kResume},       {"退出阅读", menu::kExitReading}, {nullptr, 0},
        {"控制面板", menu::kShowPanel}, {nullptr, 0},              {"退出", menu::kQuit},
    };
    unique_menu tray = build_tray_menu();
    ASSERT_TRUE(tray);
    ASSERT_EQ(GetMenuItemCount(tray.get()), static_cast<int>(std::size(expected)));
    for (int i = 0; i < GetMenuItemCount(tray.get()); ++i) {
        SCOPED_TRACE(i);
        char caption[64] = {};
        MENUITEMINFOA item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_SUBMENU | MIIM_STRING;
        item.dwTypeData = caption;
        item.cch = sizeof caption;
        ASSERT_TRUE(GetMenuItemInfoA(tray.get(), static_cast<UINT>(i), TRUE, &item));
        EXPECT_EQ(item.hSubMenu, nullptr);
        if (expected[i].caption == nullptr) {
            EXPECT_TRUE(item.fType & MFT_SEPARATOR);
        } else {
            EXPECT_FALSE(item.fType & MFT_SEPARATOR);
            EXPECT_EQ(item.fState & (MFS_CHECKED | MFS_DISABLED), 0u);
            EXPECT_EQ(std::string(caption), expected[i].caption);
            EXPECT_EQ(static_cast<int>(item.wID), expected[i].id);
        }
    }
}

}  // namespace
}  // namespace tq
