// The low-level keyboard hook: each key event becomes a posted message for
// the panel, and the hook procedure itself runs no command.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "shell/control_ids.h"
#include "shell/hotkey_hook_win32.h"
#include "shell/hotkey_logic.h"
#include "shell/unique_handle.h"

namespace tq {
namespace {

std::vector<HotkeyEvent> posted_events(HWND target) {
    std::vector<HotkeyEvent> events;
    MSG msg;
    while (PeekMessageA(&msg, target, kHotkeyMessage, kHotkeyMessage, PM_REMOVE)) {
        const std::optional<HotkeyEvent> e = decode_hotkey_message(msg.wParam, msg.lParam);
        EXPECT_TRUE(e.has_value());
        if (e) events.push_back(*e);
    }
    return events;
}

LRESULT feed(int code, DWORD vk, DWORD flags) {
    KBDLLHOOKSTRUCT key{};
    key.vkCode = vk;
    key.flags = flags;
    const WPARAM kind = flags & LLKHF_UP ? WM_KEYUP : WM_KEYDOWN;
    return hotkey_hook_proc(code, kind, reinterpret_cast<LPARAM>(&key));
}

class HotkeyHookTest : public ::testing::Test {
protected:
    void SetUp() override {
        target_.reset(CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                      GetModuleHandleA(nullptr), nullptr));
        ASSERT_TRUE(target_);
        ASSERT_TRUE(install_hotkey_hook(target_.get()));
        // Settle the remembered modifier: releasing any modifier clears it.
        feed(HC_ACTION, VK_LCONTROL, LLKHF_UP);
        posted_events(target_.get());
    }
    void TearDown() override { remove_hotkey_hook(); }
    unique_window target_;
};

TEST_F(HotkeyHookTest, PostsEveryClassifiedEventAndNothingElse) {
    using T = KeyTransition;
    feed(HC_ACTION, VK_LCONTROL, 0x00);
    feed(HC_ACTION, VK_RIGHT, 0x01);
    feed(HC_ACTION, VK_RIGHT, 0x31);  // injected with Alt down: ignored
    feed(HC_ACTION, VK_RIGHT, 0x81);
    feed(1, VK_LEFT, 0x81);            // not HC_ACTION: ignored
    feed(HC_ACTION, VK_LCONTROL, 0x80);
    const std::vector<HotkeyEvent> expected = {
        {17, VK_LCONTROL, T::KeyDown},
        {17, VK_RIGHT, T::KeyDown},
        {17, VK_RIGHT, T::KeyUp},
        {0, VK_LCONTROL, T::KeyUp},
    };
    const std::vector<HotkeyEvent> events = posted_events(target_.get());
    EXPECT_EQ(events, expected);
    // The panel turns exactly one of them into a page forward.
    int forward = 0;
    for (const HotkeyEvent& e : events) {
        forward += hotkey_command(e.modifier, e.key, e.transition, true) == HotkeyCommand::StepForward;
    }
    EXPECT_EQ(forward, 1);
}

TEST_F(HotkeyHookTest, InstallsOnceAndRemovesCleanly) {
    EXPECT_TRUE(hotkey_hook_installed());
    unique_window other(CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                        GetModuleHandleA(nullptr), nullptr));
    EXPECT_TRUE(install_hotkey_hook(other.get()));  // already installed: keeps its target
    feed(HC_ACTION, 'M', 0x00);
    EXPECT_EQ(posted_events(target_.get()).size(), 1u);
    EXPECT_TRUE(posted_events(other.get()).empty());

    remove_hotkey_hook();
    EXPECT_FALSE(hotkey_hook_installed());
    feed(HC_ACTION, 'M', 0x80);  // passed on, posted nowhere
    EXPECT_TRUE(posted_events(target_.get()).empty());
}

}  // namespace
}  // namespace tq
