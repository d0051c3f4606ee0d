// The tray icon adapter: icons made from .ico bytes, the records handed to
// the shell, and no handle left behind.
#include <windows.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "shell/control_ids.h"
#include "shell/ico_win32.h"
#include "shell/tray_icon_win32.h"
#include "tests/win32/shell_tray_ico_fixtures.h"

namespace tq {
namespace {

SIZE icon_size(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return SIZE{0, 0};
    BITMAP bitmap{};
    GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    return SIZE{bitmap.bmWidth, info.hbmColor ? bitmap.bmHeight : bitmap.bmHeight / 2};
}

TEST(IconFromIcoBytes, MakesTheChosenImage) {
    const struct {
        const char* name;
        std::string bytes;
        int width;
        LONG made;
    } cases[] = {
        // 16x16 has 256 colours (count 0), so no entry matches and the last is used.
        {"two_entries_width_16_takes_32", test::two_entry_ico(), 16, 32},
        {"two_entries_width_32", test::two_entry_ico(), 32, 32},
        {"sixteen_colour_16_matches", test::ico_file({{32, 4, 16}, {16, 4, 16}}), 16, 16},
        {"single_71_image", test::single_71_ico(), 16, 71},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        unique_icon icon = icon_from_ico_bytes(c.bytes, c.width);
        ASSERT_TRUE(icon);
        EXPECT_EQ(icon_size(icon.get()).cx, c.made);
    }
}

TEST(IconFromIcoBytes, GivesNoneForDataThatIsNotAnIcon) {
    const std::string ico = test::two_entry_ico();
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"truncated_in_directory", ico.substr(0, 20)},
        {"truncated_in_last_image", ico.substr(0, ico.size() - 10)},
        {"png_bytes", std::string("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR", 16) + std::string(200, '\0')},
        {"jpeg_bytes", std::string("\xFF\xD8\xFF\xE0\0\x10JFIF", 10) + std::string(200, '\0')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(icon_from_ico_bytes(c.bytes, 16));
        EXPECT_FALSE(icon_from_ico_bytes(c.bytes, 32));
    }
}

// A stand-in for the taskbar: Wine's Shell_NotifyIcon hands every record to
// the first "Shell_TrayWnd" window as WM_COPYDATA (dwData the NIM_ code).
// The layout of lpData is Wine 8's own; only the fields below are read.
struct TrayRecord {
    DWORD action;
    DWORD uid;
    DWORD flags;
    DWORD callback;
    std::wstring tip;
    bool has_icon;
};

std::vector<TrayRecord> g_records;

LRESULT CALLBACK fake_taskbar_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_COPYDATA) {
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lparam);
        const auto* bytes = static_cast<const unsigned char*>(data->lpData);
        constexpr std::size_t kTip = 16, kIconBits = 960;
        TrayRecord r{};
        r.action = static_cast<DWORD>(data->dwData);
        std::memcpy(&r.uid, bytes + 4, 4);
        std::memcpy(&r.flags, bytes + 8, 4);
        std::memcpy(&r.callback, bytes + 12, 4);
        r.tip = reinterpret_cast<const wchar_t*>(bytes + kTip);
        r.has_icon = data->cbData > kIconBits;
        g_records.push_back(r);
        return TRUE;
    }
    return DefWindowProcW(hwnd, message, wparam, lparam);
}

class TrayIconTest : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "TarnquilTrayTestOwner";
        RegisterClassA(&wc);
        owner_.reset(CreateWindowExA(0, wc.lpszClassName, "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                     nullptr, wc.hInstance, nullptr));
        ASSERT_TRUE(owner_);
    }

    // Creates the stand-in taskbar, or reports that a real one is present.
    bool start_fake_taskbar() {
        if (FindWindowA("Shell_TrayWnd", nullptr)) return false;
        WNDCLASSW wc{};
        wc.lpfnWndProc = fake_taskbar_proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"Shell_TrayWnd";
        RegisterClassW(&wc);
        taskbar_.reset(CreateWindowExW(0, L"Shell_TrayWnd", L"", WS_POPUP, 0, 0, 1, 1, nullptr,
                                       nullptr, wc.hInstance, nullptr));
        g_records.clear();
        return static_cast<bool>(taskbar_);
    }

    unique_window owner_;
    unique_window taskbar_;
};

TEST_F(TrayIconTest, AddsChangesRemovesAndComesBackAfterATaskbarRestart) {
    if (!start_fake_taskbar()) GTEST_SKIP() << "a real Shell_TrayWnd is running";
    const std::string ico = test::two_entry_ico();
    const std::string png = std::string("\x89PNG\r\n\x1A\n", 8) + std::string(64, '\0');
    {
        TrayIcon tray(owner_.get());
        tray.set_tray_icon(ico, std::nullopt);
        // 61 ASCII bytes and then 中: the pair would straddle byte 62.
        tray.set_tray_icon(ico, std::string(61, 'a') + "中文");
        tray.set_tray_icon(ico, Text("第一段"));
        tray.set_tray_icon(png, Text("x"));  // not an icon: the tray empties
        tray.set_tray_icon(ico, Text(""));
        tray.on_taskbar_created();
    }  // the destructor takes the icon out

    const struct {
        DWORD action;
        DWORD flags;
        std::wstring tip;
    } expected[] = {
        {NIM_ADD, 7, L""},
        {NIM_MODIFY, 7, std::wstring(61, L'a')},
        {NIM_MODIFY, 7, L"第一段"},
        {NIM_DELETE, 0, L""},
        {NIM_ADD, 7, L""},
        {NIM_ADD, 7, L""},
        {NIM_DELETE, 0, L""},
    };
    ASSERT_EQ(g_records.size(), std::size(expected));
    for (std::size_t i = 0; i < g_records.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(g_records[i].action, expected[i].action);
        EXPECT_EQ(g_records[i].uid, kTrayIconId);
        EXPECT_EQ(g_records[i].flags, expected[i].flags);
        EXPECT_EQ(g_records[i].tip, expected[i].tip);
        if (expected[i].flags != 0) {
            EXPECT_EQ(g_records[i].callback, kTrayCallbackMessage);
            EXPECT_TRUE(g_records[i].has_icon);
        }
    }
}

TEST_F(TrayIconTest, EachChangeDestroysThePreviousIcon) {
    TrayIcon tray(owner_.get());
    tray.set_tray_icon(test::two_entry_ico(), Text("a"));
    const HICON first = tray.icon();
    ASSERT_NE(first, nullptr);
    tray.set_tray_icon(test::single_71_ico(), Text("b"));
    const HICON second = tray.icon();
    ASSERT_NE(second, nullptr);
    ICONINFO info{};
    EXPECT_FALSE(GetIconInfo(first, &info));
    tray.set_tray_icon("", Text("c"));
    EXPECT_FALSE(tray.shown());
    EXPECT_FALSE(GetIconInfo(second, &info));
}

SIZE_T private_bytes() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PagefileUsage;
}

TEST_F(TrayIconTest, ThousandsOfChangesLeaveTheHandleCountsFlat) {
    // Whether or not a taskbar takes the records, every call makes and
    // destroys an icon of its own.
    const std::string pictures[] = {test::two_entry_ico(), test::single_71_ico()};
    TrayIcon tray(owner_.get());
    const HANDLE self = GetCurrentProcess();
    tray.set_tray_icon(pictures[0], Text("warm-up"));
    tray.set_tray_icon(pictures[1], Text("warm-up"));
    const DWORD gdi_before = GetGuiResources(self, GR_GDIOBJECTS);
    const DWORD user_before = GetGuiResources(self, GR_USEROBJECTS);
    const SIZE_T memory_before = private_bytes();
    ASSERT_GT(memory_before, 0u);

    constexpr int kChanges = 5000;
    int fresh_handles = 0;
    int previous_still_alive = 0;
    HICON previous = tray.icon();
    for (int i = 0; i < kChanges; ++i) {
        tray.set_tray_icon(pictures[i % 2], "段" + std::to_string(i));
        if (tray.icon() != previous) ++fresh_handles;
        ICONINFO info{};
        if (GetIconInfo(previous, &info)) {
            ++previous_still_alive;
            DeleteObject(info.hbmColor);
            DeleteObject(info.hbmMask);
        }
        previous = tray.icon();
    }
    EXPECT_EQ(fresh_handles, kChanges);
    EXPECT_EQ(previous_still_alive, 0);
    // 5,000 leaked icons of 71 x 71 pixels would hold well over 100 MB.
    constexpr SIZE_T kAllowedGrowth = 16u << 20;
    EXPECT_LT(private_bytes(), memory_before + kAllowedGrowth);
    EXPECT_EQ(GetGuiResources(self, GR_GDIOBJECTS), gdi_before);
    EXPECT_EQ(GetGuiResources(self, GR_USEROBJECTS), user_before);
    if (gdi_before + user_before == 0) {
        std::printf("GetGuiResources counts nothing on this system; handle and memory checks stand in\n");
    }
}

}  // namespace
}  // namespace tq
