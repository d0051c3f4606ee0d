// The About window under Wine: its frame, owner, layout, texts and links, the
// modal disabling of the other top-level windows, and the ways to close it.
#include "shell/about_window_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "shell/about_texts.h"

namespace tq {
namespace {

constexpr UINT kTickMilliseconds = 50;
// A few ticks first, so the window is shown and painted before it is looked at.
constexpr int kInspectAtTick = 4;
// Way past kInspectAtTick: the window did not close when asked.
constexpr int kGiveUpAtTick = 100;

enum class CloseBy { Escape, EscapeInChild, CloseBox, QuitMessage };

struct AboutRun {
    CloseBy close_by = CloseBy::Escape;
    bool inspect = false;
    bool screenshot = false;
    int ticks = 0;
    HWND panel = nullptr;
    HWND about = nullptr;
    bool panel_enabled_while_open = true;
    bool disabled_window_enabled_while_open = true;
    HWND disabled_window = nullptr;
    std::vector<std::string> opened;
};
AboutRun* g_run = nullptr;

std::string text_of(HWND window) {
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

RECT rect_in_parent(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

struct ExpectedControl {
    const char* name;
    int parent_id;  // 0: the About window itself
    int id;
    int x, y, width, height;
    const char* text;
};

// Written out from the window's layout, not taken from the code under test.
const ExpectedControl kExpectedControls[] = {
    {"标签1", 0, about::id::kTitle, 8, 8, 496, 56,
     "Tarnquil\r\nV 1.0 By Tarnquil 开发者\r\n最后更新时间 2025.6.24"},
    {"标签2", 0, about::id::kSupport, 8, 64, 496, 56,
     "如果您觉得软件不错，麻烦多多支持和鼓励，我将会持续更新更优质的软件，感谢支持！"},
    {"图片框1", 0, about::id::kPicture, -1, 103, 200, 200, ""},
    {"标签4", about::id::kPicture, about::id::kPictureLabel, 16, 8, 64, 24, "赞赏码"},
    {"标签3", 0, about::id::kFeedbackText, 200, 216, 304, 48,
     "持续更新\r\n如果您有更多意见和建议，欢迎前往帖子反馈"},
    {"超级链接框2", 0, about::id::kHomeLink, 200, 272, 96, 24, "Tarnquil 主页"},
    {"超级链接框1", 0, about::id::kFeedbackLink, 400, 272, 96, 24, "问题反馈"},
};

void inspect_window(HWND about) {
    EXPECT_EQ(text_of(about), "关于 Tarnquil V1.0");
    RECT outer{};
    GetWindowRect(about, &outer);
    EXPECT_EQ(outer.right - outer.left, 508);
    EXPECT_EQ(outer.bottom - outer.top, 338);
    EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 508) / 2);
    EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 338) / 2);

    const auto style = static_cast<DWORD>(GetWindowLongPtrA(about, GWL_STYLE));
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_DLGFRAME),
              static_cast<DWORD>(WS_CAPTION | WS_SYSMENU | WS_DLGFRAME));
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0u);
    EXPECT_TRUE(IsWindowVisible(about));

    // Owned by a hidden window that has no owner itself: no taskbar button.
    HWND owner = GetWindow(about, GW_OWNER);
    ASSERT_NE(owner, nullptr);
    EXPECT_FALSE(IsWindowVisible(owner));
    EXPECT_EQ(GetWindow(owner, GW_OWNER), nullptr);
    EXPECT_EQ(GetWindowLongPtrA(about, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);

    for (const auto& expected : kExpectedControls) {
        SCOPED_TRACE(expected.name);
        HWND parent = expected.parent_id ? GetDlgItem(about, expected.parent_id) : about;
        HWND control = GetDlgItem(parent, expected.id);
        ASSERT_NE(control, nullptr);
        const RECT rect = rect_in_parent(control);
        EXPECT_EQ(rect.left, expected.x);
        EXPECT_EQ(rect.top, expected.y);
        EXPECT_EQ(rect.right - rect.left, expected.width);
        EXPECT_EQ(rect.bottom - rect.top, expected.height);
        EXPECT_EQ(text_of(control), expected.text);
        EXPECT_TRUE(IsWindowVisible(control));
    }
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageA(GetDlgItem(about, about::id::kSupport),
                                                      WM_GETFONT, 0, 0)),
              GetStockObject(DEFAULT_GUI_FONT));

    // The picture box shows the picture's top-left corner: the dark blue bar
    // of the picture crosses the box 153 pixels down.
    HWND picture = GetDlgItem(about, about::id::kPicture);
    UpdateWindow(picture);
    HDC dc = GetDC(picture);
    const COLORREF bar = GetPixel(dc, 60, 153);
    const COLORREF patch = GetPixel(dc, 86, 20);  // beside the label
    ReleaseDC(picture, dc);
    EXPECT_LT(GetRValue(bar), 80);
    EXPECT_GT(GetBValue(bar), GetRValue(bar));
    EXPECT_GT(GetRValue(patch), 200);
}

void press(HWND control) {
    SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    SendMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
}

// ImageMagick's import is a Linux program; Wine starts it from CreateProcess.
// Its process handle cannot be waited for, so the file is watched instead.
void take_screenshot() {
    std::string command = "/usr/bin/import -window root " TQ_ABOUT_SCREENSHOT;
    std::string windows_path = "Z:" TQ_ABOUT_SCREENSHOT;
    for (char& c : windows_path) {
        if (c == '/') c = '\\';
    }
    DeleteFileA(windows_path.c_str());
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        ADD_FAILURE() << "could not start import";
        return;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    constexpr int kPolls = 100;
    constexpr DWORD kPollMilliseconds = 100;
    LONGLONG last_size = -1;
    for (int poll = 0; poll < kPolls; ++poll) {
        Sleep(kPollMilliseconds);
        WIN32_FILE_ATTRIBUTE_DATA data{};
        if (!GetFileAttributesExA(windows_path.c_str(), GetFileExInfoStandard, &data)) continue;
        const LONGLONG size = (static_cast<LONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        if (size > 0 && size == last_size) return;
        last_size = size;
    }
    ADD_FAILURE() << "no screenshot at " << windows_path;
}

void close_window(AboutRun& run) {
    switch (run.close_by) {
    case CloseBy::Escape:
        PostMessageA(run.about, WM_KEYDOWN, VK_ESCAPE, 0);
        break;
    case CloseBy::EscapeInChild:
        PostMessageA(GetDlgItem(run.about, about::id::kSupport), WM_KEYDOWN, VK_ESCAPE, 0);
        break;
    case CloseBy::CloseBox:
        PostMessageA(run.about, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    case CloseBy::QuitMessage:
        PostQuitMessage(7);
        break;
    }
}

void CALLBACK on_tick(HWND, UINT, UINT_PTR timer, DWORD) {
    AboutRun& run = *g_run;
    ++run.ticks;
    if (run.ticks == kInspectAtTick) {
        run.about = FindWindowA(kAboutWindowClass, nullptr);
        if (!run.about) {
            ADD_FAILURE() << "no About window";
            KillTimer(nullptr, timer);
            return;
        }
        run.panel_enabled_while_open = IsWindowEnabled(run.panel);
        run.disabled_window_enabled_while_open = IsWindowEnabled(run.disabled_window);
        if (run.inspect) {
            inspect_window(run.about);
            press(GetDlgItem(run.about, about::id::kFeedbackLink));
            press(GetDlgItem(run.about, about::id::kHomeLink));
        }
        if (run.screenshot) take_screenshot();
        close_window(run);
    } else if (run.ticks >= kGiveUpAtTick) {
        KillTimer(nullptr, timer);
        ADD_FAILURE() << "the About window did not close";
        if (IsWindow(run.about)) DestroyWindow(run.about);
    }
}

HWND make_top_level(const char* caption, int x) {
    return CreateWindowExA(0, "STATIC", caption, WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, 0, 240, 120,
                           nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

// Runs show_about with a timer that looks at the window and closes it.
AboutRun run_about(CloseBy close_by, bool inspect, bool screenshot) {
    AboutRun run;
    run.close_by = close_by;
    run.inspect = inspect;
    run.screenshot = screenshot;
    run.panel = make_top_level("panel", 0);
    run.disabled_window = make_top_level("disabled before", 300);
    EnableWindow(run.disabled_window, FALSE);
    g_run = &run;
    const UINT_PTR timer = SetTimer(nullptr, 0, kTickMilliseconds, &on_tick);
    show_about([&run](const std::string& address) {
        run.opened.push_back(address);
        return true;
    });
    KillTimer(nullptr, timer);
    g_run = nullptr;
    return run;
}

void expect_closed_and_restored(const AboutRun& run) {
    EXPECT_GE(run.ticks, kInspectAtTick) << "the timer must keep running while the window is open";
    EXPECT_FALSE(run.panel_enabled_while_open);
    EXPECT_FALSE(run.disabled_window_enabled_while_open);
    EXPECT_FALSE(IsWindow(run.about));
    EXPECT_EQ(FindWindowA(kAboutWindowClass, nullptr), nullptr);
    EXPECT_TRUE(IsWindowEnabled(run.panel)) << "the panel gets its state back";
    EXPECT_FALSE(IsWindowEnabled(run.disabled_window)) << "a disabled window stays disabled";
    DestroyWindow(run.panel);
    DestroyWindow(run.disabled_window);
}

TEST(AboutWindow, IsModalOwnedAndLaidOutAndItsLinksOpenTheirAddresses) {
    const AboutRun run = run_about(CloseBy::Escape, true, true);
    expect_closed_and_restored(run);
    EXPECT_EQ(run.opened, (std::vector<std::string>{"https://example.org/tarnquil/feedback",
                                                     "https://example.org/tarnquil/"}));
}

struct CloseCase {
    const char* name;
    CloseBy close_by;
};

class AboutWindowCloses : public testing::TestWithParam<CloseCase> {};

TEST_P(AboutWindowCloses, AndGivesTheOthersTheirStateBack) {
    const AboutRun run = run_about(GetParam().close_by, false, false);
    expect_closed_and_restored(run);
    if (GetParam().close_by == CloseBy::QuitMessage) {
        // The quit meant for the program's own loop is handed on to it.
        MSG message{};
        ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
        EXPECT_EQ(message.wParam, 7u);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ways, AboutWindowCloses,
    testing::Values(CloseCase{"Escape", CloseBy::Escape},
                    CloseCase{"EscapeInAChild", CloseBy::EscapeInChild},
                    CloseCase{"CloseBox", CloseBy::CloseBox},
                    CloseCase{"QuitMessage", CloseBy::QuitMessage}),
    [](const testing::TestParamInfo<CloseCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tq
