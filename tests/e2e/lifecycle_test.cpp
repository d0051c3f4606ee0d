// The program's life as seen from outside: the close box only hides the
// panel, every way of quitting ends the process with code 0, and the tray
// icon is added once at start and removed at the end.
#include <gtest/gtest.h>

#include "shell/control_ids.h"
#include "tests/e2e/harness/program_fixture.h"

namespace tq::e2e {
namespace {

constexpr UINT kTrayFlagsShown = kTrayFlagMessage | kTrayFlagIcon | kTrayFlagTip;
// Long enough for a wrongly handled close to have ended the process.
constexpr Milliseconds kStaysAlive{700};

struct CloseRequest {
    const char* name;
    UINT message;
    WPARAM wparam;
};

class ClosingThePanel : public ProgramTest, public ::testing::WithParamInterface<CloseRequest> {
protected:
    void SetUp() override { start_program(); }
};

TEST_P(ClosingThePanel, HidesItAndTheProgramGoesOn) {
    HWND panel = program.panel();
    PostMessageW(panel, GetParam().message, GetParam().wparam, 0);

    EXPECT_TRUE(wait_until([&] { return !IsWindowVisible(panel); }));
    EXPECT_TRUE(holds_for([&] { return program.is_running() && IsWindow(panel); }, kStaysAlive));
    EXPECT_EQ(tray.count_of(from_panel(TrayCall::Delete)), 0u);
}

INSTANTIATE_TEST_SUITE_P(Requests, ClosingThePanel,
                         ::testing::Values(CloseRequest{"CloseMessage", WM_CLOSE, 0},
                                           CloseRequest{"SystemMenuClose", WM_SYSCOMMAND, SC_CLOSE}),
                         [](const auto& info) { return std::string(info.param.name); });

struct QuitCommand {
    const char* name;
    void (*issue)(const ProgramUnderTest& program);
};

class QuittingTheProgram : public ProgramTest, public ::testing::WithParamInterface<QuitCommand> {
protected:
    void SetUp() override { start_program(); }
};

TEST_P(QuittingTheProgram, EndsTheProcessWithCodeZeroAndRemovesTheIcon) {
    ASSERT_TRUE(tray.wait_for(from_panel(TrayCall::Add)));
    GetParam().issue(program);

    const auto exit_code = program.wait_for_exit();
    ASSERT_TRUE(exit_code.has_value()) << "the program is still running";
    EXPECT_EQ(*exit_code, 0u);
    const auto removed = tray.wait_for(from_panel(TrayCall::Delete));
    ASSERT_TRUE(removed.has_value()) << "the tray icon was left behind";
    EXPECT_EQ(removed->record.id, kTrayIconId);
    const auto all = tray.notices();
    ASSERT_FALSE(all.empty());
    EXPECT_TRUE(all.back().is(TrayCall::Delete)) << "the icon came back after its removal";
}

INSTANTIATE_TEST_SUITE_P(
    Commands, QuittingTheProgram,
    ::testing::Values(
        QuitCommand{"DestroyMessage",
                    [](const ProgramUnderTest& p) {
                        PostMessageW(p.panel(), kDestroyPanelMessage, 0, 0);
                    }},
        QuitCommand{"QuitButton",
                    [](const ProgramUnderTest& p) { click_async(p.control(id::kQuit)); }},
        // What choosing "退出" in the tray menu sends to the panel.
        QuitCommand{"TrayMenuQuit",
                    [](const ProgramUnderTest& p) {
                        PostMessageW(p.panel(), WM_COMMAND, MAKEWPARAM(menu::kQuit, 0), 0);
                    }}),
    [](const auto& info) { return std::string(info.param.name); });

class TrayAtStart : public ProgramTest {
protected:
    void SetUp() override { start_program(); }
};

TEST_F(TrayAtStart, AddsOneIconWithTheCallbackAndNoTip) {
    const auto added = tray.wait_for(from_panel(TrayCall::Add));
    ASSERT_TRUE(added.has_value()) << "no NIM_ADD from the panel";
    EXPECT_EQ(added->record.id, kTrayIconId);
    EXPECT_EQ(added->record.flags, kTrayFlagsShown);
    EXPECT_EQ(added->record.callback_message, kTrayCallbackMessage);
    EXPECT_TRUE(added->record.has_icon);
    EXPECT_EQ(added->tip, "");
    EXPECT_TRUE(holds_for([&] { return tray.count_of(from_panel(TrayCall::Add)) == 1; },
                          kStaysAlive));
    EXPECT_EQ(tray.count_of(from_panel(TrayCall::Delete)), 0u);
    EXPECT_EQ(tray.undecodable_count(), 0);
}

}  // namespace
}  // namespace tq::e2e
