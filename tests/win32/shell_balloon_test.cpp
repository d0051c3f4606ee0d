// The balloon window: its styles, where its tip lands, that it never takes
// the foreground, and what hides it.
#include <windows.h>

#include <gtest/gtest.h>

#include "shell/balloon_win32.h"

namespace tq {
namespace {

void pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

class BalloonTest : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "TarnquilBalloonTestPanel";
        RegisterClassA(&wc);
        panel_.reset(CreateWindowExA(0, wc.lpszClassName, "panel", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                     100, 100, 300, 200, nullptr, nullptr, wc.hInstance, nullptr));
        ASSERT_TRUE(panel_);
        SetForegroundWindow(panel_.get());
        pump();
        ASSERT_TRUE(balloon_.create());
        screen_ = {GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                   GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                   GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    }

    void expect_tip_at(int x, int y) {
        RECT window{};
        ASSERT_TRUE(GetWindowRect(balloon_.hwnd(), &window));
        const BalloonLayout& layout = balloon_.layout();
        EXPECT_EQ(window.left, layout.window.left);
        EXPECT_EQ(window.top, layout.window.top);
        EXPECT_EQ(window.right, layout.window.right);
        EXPECT_EQ(window.bottom, layout.window.bottom);
        EXPECT_EQ(window.left + layout.pointer[2].x, x);
        EXPECT_EQ(window.top + layout.pointer[2].y, y);
    }

    unique_window panel_;
    BalloonTip balloon_;
    BalloonRect screen_;
};

TEST_F(BalloonTest, IsAnUnownedToolPopupOfItsOwnClassThatNeverActivates) {
    balloon_.show_balloon(screen_.right - 10, screen_.bottom - 10, "第一段 <b>&amp;");
    pump();
    const HWND hwnd = balloon_.hwnd();
    ASSERT_TRUE(balloon_.is_shown());
    EXPECT_TRUE(GetWindowLongA(hwnd, GWL_STYLE) & WS_POPUP);
    EXPECT_EQ(GetWindowLongA(hwnd, GWL_EXSTYLE) & (WS_EX_TOOLWINDOW | WS_EX_TOPMOST),
              WS_EX_TOOLWINDOW | WS_EX_TOPMOST);
    EXPECT_TRUE(GetClassLongA(hwnd, GCL_STYLE) & CS_SAVEBITS);
    char class_name[64] = {};
    GetClassNameA(hwnd, class_name, sizeof class_name);
    EXPECT_STREQ(class_name, BalloonTip::kClassName);
    EXPECT_EQ(GetWindow(hwnd, GW_OWNER), nullptr);
    EXPECT_EQ(GetForegroundWindow(), panel_.get());
    EXPECT_NE(GetActiveWindow(), hwnd);
}

TEST_F(BalloonTest, TipLandsOnTheAnchor) {
    const struct {
        const char* name;
        int x, y;
        bool at_right, below;
    } cases[] = {
        {"typical_tray_spot", screen_.right - 10, screen_.bottom - 10, true, false},
        {"top_left_corner", screen_.left, screen_.top, false, true},
        {"middle", (screen_.left + screen_.right) / 2, (screen_.top + screen_.bottom) / 2, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        balloon_.show_balloon(c.x, c.y, "托盘旁的一段文字");
        pump();
        ASSERT_TRUE(balloon_.is_shown());
        expect_tip_at(c.x, c.y);
        EXPECT_EQ(balloon_.layout().pointer_at_right, c.at_right);
        EXPECT_EQ(balloon_.layout().below_anchor, c.below);
        if (c.x == screen_.left) {
            RECT window{};
            GetWindowRect(balloon_.hwnd(), &window);
            EXPECT_EQ(window.left, screen_.left);
        }
    }
}

TEST_F(BalloonTest, ASegmentWiderThanTheScreenWrapsOntoIt) {
    balloon_.show_balloon(screen_.right - 10, screen_.bottom - 10, Text(2000, 'w') + " " + Text(3000, 'x'));
    pump();
    ASSERT_TRUE(balloon_.is_shown());
    EXPECT_GE(balloon_.layout().outline.left, screen_.left);
    EXPECT_LE(balloon_.layout().outline.right, screen_.right);
    expect_tip_at(screen_.right - 10, screen_.bottom - 10);
}

TEST_F(BalloonTest, EmptyTextHidesAndShowsNothing) {
    balloon_.show_balloon(400, 400, "一段");
    ASSERT_TRUE(balloon_.is_shown());
    balloon_.show_balloon(500, 500, "");
    EXPECT_FALSE(balloon_.is_shown());
}

TEST_F(BalloonTest, HidesOnClicksAndKeysOfTheProgramsWindowsButNotOnMouseMoves) {
    const struct {
        const char* name;
        UINT message;
        bool hides;
    } cases[] = {
        {"left_down", WM_LBUTTONDOWN, true},    {"left_double", WM_LBUTTONDBLCLK, true},
        {"right_down", WM_RBUTTONDOWN, true},   {"right_double", WM_RBUTTONDBLCLK, true},
        {"middle_down", WM_MBUTTONDOWN, true},  {"middle_double", WM_MBUTTONDBLCLK, true},
        {"wheel", WM_MOUSEWHEEL, true},         {"nc_left_down", WM_NCLBUTTONDOWN, true},
        {"nc_left_double", WM_NCLBUTTONDBLCLK, true}, {"nc_right_down", WM_NCRBUTTONDOWN, true},
        {"nc_right_double", WM_NCRBUTTONDBLCLK, true}, {"nc_middle_down", WM_NCMBUTTONDOWN, true},
        {"nc_middle_double", WM_NCMBUTTONDBLCLK, true}, {"key_down", WM_KEYDOWN, true},
        {"sys_key_down", WM_SYSKEYDOWN, true},  {"mouse_move", WM_MOUSEMOVE, false},
        {"left_up", WM_LBUTTONUP, false},       {"key_up", WM_KEYUP, false},
        {"nc_mouse_move", WM_NCMOUSEMOVE, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        balloon_.show_balloon(600, 400, "一段");
        ASSERT_TRUE(balloon_.is_shown());
        PostMessageA(panel_.get(), c.message, 0, 0);
        pump();
        EXPECT_EQ(balloon_.is_shown(), !c.hides);
    }
}

TEST_F(BalloonTest, HidesWhenTheProgramIsDeactivated) {
    balloon_.show_balloon(600, 400, "一段");
    SendMessageA(balloon_.hwnd(), WM_ACTIVATEAPP, TRUE, 0);
    EXPECT_TRUE(balloon_.is_shown());
    SendMessageA(balloon_.hwnd(), WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_FALSE(balloon_.is_shown());
}

TEST_F(BalloonTest, SecondCallReplacesTheFirstAtItsOwnAnchor) {
    balloon_.show_balloon(300, 300, "第一段");
    const HWND first = balloon_.hwnd();
    balloon_.show_balloon(700, 500, "第二段");
    pump();
    EXPECT_EQ(balloon_.hwnd(), first);
    EXPECT_EQ(FindWindowExA(nullptr, first, BalloonTip::kClassName, nullptr), nullptr);
    expect_tip_at(700, 500);
}

}  // namespace
}  // namespace tq
