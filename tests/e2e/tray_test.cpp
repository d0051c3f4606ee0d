// The tray from outside: the icon's tip in the tray-tooltip mode, the icon the
// hot keys and the tray menu leave behind, and the balloon that points at the
// spot of a double click on the icon. Keys come from xdotool, a Linux program
// that Wine starts like any other, so they arrive as the desktop's key events
// while a window of the driver has the focus.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <thread>

#include "shell/balloon_geometry.h"
#include "shell/control_ids.h"
#include "shell/unique_handle.h"
#include "tests/e2e/harness/program_fixture.h"
#include "tests/e2e/harness/text_win32.h"

namespace tq::e2e {
namespace {

// The built-in picture is a single 71 x 71 image; the user's is 32 x 32.
constexpr int kBuiltInIconSize = 71;
constexpr int kUserIconSize = 32;
// Dwell times in seconds: one tick a second, or none within a case.
constexpr int kFastDwell = 1;
constexpr int kNoTickDwell = 59;  // the longest dwell that stands: 60 becomes 1
// Longer than two ticks of the fast dwell: a stopped timer shows in this time.
constexpr Milliseconds kLongerThanTwoTicks{2500};
// Long enough for a key sequence that should do nothing to have been handled.
constexpr Milliseconds kQuietAfterKeys{1200};
constexpr Milliseconds kMenuTimeout{5000};
constexpr wchar_t kBookName[] = L"book.txt";
constexpr wchar_t kUserIconName[] = L"user.ico";
constexpr wchar_t kMenuClass[] = L"#32768";
constexpr wchar_t kBalloonClass[] = L"TarnquilBalloon";
constexpr char kPausedTip[] = "已暂停";

// Lines "第01行" ... "第NN行", six bytes each: with width 6 one segment a line.
Text numbered_line(int n) {
    Text line = "第";
    if (n < 10) line += '0';
    line += std::to_string(n);
    line += "行";
    return line;
}

Text numbered_book(int lines) {
    Text book;
    for (int n = 1; n <= lines; ++n) book += numbered_line(n) + "\r\n";
    return book;
}

// The settings section with the book folder and the two numbers; the picture
// key only when a path is given.
Text settings_ini(const std::wstring& folder, int width, int dwell, const Text& picture = {}) {
    Text ini = "[初始化]\r\n文件框=" + to_text(folder) + "\\\r\n";
    ini += "单次显示字数=" + std::to_string(width) + "\r\n";
    ini += "停留时间=" + std::to_string(dwell) + "\r\n";
    if (!picture.empty()) ini += "图片框=" + picture + "\r\n";
    return ini;
}

void put_u16(Bytes& out, std::uint16_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8);
}

void put_u32(Bytes& out, std::uint32_t v) {
    put_u16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    put_u16(out, static_cast<std::uint16_t>(v >> 16));
}

// A complete .ico file with one opaque 32-bit image of size x size pixels.
Bytes square_icon(int size) {
    const std::uint32_t colour_bytes = static_cast<std::uint32_t>(size * size * 4);
    const std::uint32_t mask_row = static_cast<std::uint32_t>(((size + 31) / 32) * 4);
    const std::uint32_t image_bytes = 40 + colour_bytes + mask_row * static_cast<std::uint32_t>(size);
    Bytes ico;
    put_u16(ico, 0);
    put_u16(ico, 1);
    put_u16(ico, 1);
    ico += static_cast<char>(size);
    ico += static_cast<char>(size);
    ico += '\0';
    ico += '\0';
    put_u16(ico, 1);
    put_u16(ico, 32);
    put_u32(ico, image_bytes);
    put_u32(ico, 22);
    put_u32(ico, 40);
    put_u32(ico, static_cast<std::uint32_t>(size));
    put_u32(ico, static_cast<std::uint32_t>(size * 2));
    put_u16(ico, 1);
    put_u16(ico, 32);
    put_u32(ico, 0);
    put_u32(ico, colour_bytes);
    put_u32(ico, 0);
    put_u32(ico, 0);
    put_u32(ico, 0);
    put_u32(ico, 0);
    for (int i = 0; i < size * size; ++i) ico += Bytes("\x20\x40\xC0\xFF", 4);
    ico += Bytes(mask_row * static_cast<std::uint32_t>(size), '\0');
    return ico;
}

// Starts xdotool with the given arguments on the driver's display. Its
// process cannot be waited for under Wine; callers wait for the effect.
bool run_xdotool(const std::string& arguments) {
    std::string command = "/usr/bin/xdotool " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

// A plain window of the driver that takes the focus, on a thread of its own
// that serves its messages (Wine reads the X key events of a window on the
// thread that owns it, and only then runs the low-level hooks).
class FocusWindow {
public:
    FocusWindow() {
        unique_file created(CreateEventW(nullptr, TRUE, FALSE, nullptr));
        thread_ = std::thread([this, event = created.get()] { run(event); });
        WaitForSingleObject(created.get(), INFINITE);
    }
    ~FocusWindow() {
        if (window_) PostMessageW(window_, WM_CLOSE, 0, 0);
        if (thread_.joinable()) thread_.join();
    }
    FocusWindow(const FocusWindow&) = delete;
    FocusWindow& operator=(const FocusWindow&) = delete;

    HWND window() const { return window_; }
    bool has_focus() const { return window_ && GetForegroundWindow() == window_; }
    // Asks for the foreground and waits until it is there.
    bool take_focus() const {
        return window_ && wait_until([this] {
                   PostMessageW(window_, kTakeFocus, 0, 0);
                   return has_focus();
               });
    }

private:
    static constexpr UINT kTakeFocus = WM_APP + 1;

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
        if (message == kTakeFocus) {
            SetForegroundWindow(window);
            SetFocus(window);
            return 0;
        }
        if (message == WM_DESTROY) {
            PostQuitMessage(0);
            return 0;
        }
        return DefWindowProcW(window, message, wparam, lparam);
    }

    void run(HANDLE created) {
        WNDCLASSW cls{};
        cls.lpfnWndProc = &procedure;
        cls.hInstance = GetModuleHandleW(nullptr);
        cls.lpszClassName = L"TrayTestFocus";
        RegisterClassW(&cls);
        window_ = CreateWindowExW(0, cls.lpszClassName, L"another program", WS_OVERLAPPEDWINDOW,
                                  40, 40, 300, 200, nullptr, nullptr, cls.hInstance, nullptr);
        if (window_) {
            ShowWindow(window_, SW_SHOW);
            SetForegroundWindow(window_);
        }
        SetEvent(created);
        if (!window_) return;
        MSG msg;
        while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }

    HWND window_ = nullptr;
    std::thread thread_;
};

class TrayTest : public ProgramTest {
protected:
    // A book and its settings in the program's folder, then the program.
    void start_with(const Text& book, int width, int dwell, const Text& picture = {}) {
        ASSERT_TRUE(program.write_file(kBookName, book));
        ASSERT_TRUE(program.write_ini(settings_ini(program.folder(), width, dwell, picture)));
        start_program();
    }

    // The panel starts with no mode checked: the user picks one first.
    void start_reading(int mode = id::kModeTray) {
        HWND mode_button = program.control(mode);
        ASSERT_TRUE(click(mode_button));
        ASSERT_TRUE(is_checked(mode_button));
        HWND list = program.control(id::kFileList);
        ASSERT_NE(list, nullptr);
        ASSERT_TRUE(wait_until([&] { return !list_items(list).empty(); })) << "no book listed";
        ASSERT_TRUE(select_list_item(list, 0));
        ASSERT_TRUE(click(program.control(id::kStartReading)));
    }

    // A modify of the panel's icon showing `tip`.
    auto modify_with_tip(const Text& tip) const {
        return [this, tip](const TrayNotice& notice) {
            return from_panel(TrayCall::Modify)(notice) && notice.tip == tip;
        };
    }

    std::optional<TrayNotice> wait_for_tip(const Text& tip) const {
        return tray.wait_for(modify_with_tip(tip));
    }

    size_t modify_count() const { return tray.count_of(from_panel(TrayCall::Modify)); }

    Text user_icon_path() const { return to_text(program.file(kUserIconName)); }

    HWND wait_for_window_of_class(const wchar_t* class_name) const {
        HWND found = nullptr;
        wait_until(
            [&] {
                for (HWND w : top_windows_of_class(program.process_id(), class_name)) {
                    if (IsWindowVisible(w)) {
                        found = w;
                        return true;
                    }
                }
                return false;
            },
            kMenuTimeout);
        return found;
    }

    HWND balloon_window() const {
        const auto all = top_windows_of_class(program.process_id(), kBalloonClass);
        return all.empty() ? nullptr : all.front();
    }
};

// ---------------------------------------------------------------------------
// The tray-tooltip mode.

TEST_F(TrayTest, TrayModeShowsEachSegmentAsTheTipInTurn) {
    ASSERT_NO_FATAL_FAILURE(start_with(numbered_book(30), 6, kFastDwell));
    ASSERT_NO_FATAL_FAILURE(start_reading());
    for (int n = 1; n <= 3; ++n) {
        SCOPED_TRACE(numbered_line(n));
        const auto shown = wait_for_tip(numbered_line(n));
        ASSERT_TRUE(shown.has_value());
        EXPECT_EQ(shown->record.id, kTrayIconId);
        EXPECT_TRUE(shown->record.has_icon);
        EXPECT_EQ(shown->record.icon_width, kBuiltInIconSize);
    }
    // In order, one modify per segment: no tip was skipped or shown twice.
    std::vector<Text> tips;
    for (const TrayNotice& notice : tray.notices())
        if (from_panel(TrayCall::Modify)(notice)) tips.push_back(notice.tip);
    ASSERT_GE(tips.size(), 3u);
    EXPECT_EQ(tips[0], numbered_line(1));
    EXPECT_EQ(tips[1], numbered_line(2));
    EXPECT_EQ(tips[2], numbered_line(3));
}

struct TipCut {
    const char* name;
    Text segment;  // 70 bytes, one whole line
    Text shown;
};

class TrayTipCut : public TrayTest, public ::testing::WithParamInterface<TipCut> {};

TEST_P(TrayTipCut, ShowsTheLongestWholeCharacterPrefixOfAtMost62Bytes) {
    ASSERT_EQ(GetParam().segment.size(), 70u);
    ASSERT_NO_FATAL_FAILURE(start_with(GetParam().segment + "\r\n", 70, kNoTickDwell));
    ASSERT_NO_FATAL_FAILURE(start_reading());
    const auto shown = tray.wait_for([&](const TrayNotice& n) {
        return from_panel(TrayCall::Modify)(n) && !n.tip.empty();
    });
    ASSERT_TRUE(shown.has_value()) << "the segment never reached the tray";
    EXPECT_EQ(shown->tip, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Segments, TrayTipCut,
    ::testing::Values(
        // Byte 62 is the first byte of "中": the pair is dropped whole.
        TipCut{"CharacterAcrossByte62", Text(61, 'a') + "中文测试" + "b", Text(61, 'a')},
        // Byte 62 is the second byte of "文": the cut falls between pairs.
        TipCut{"CharacterEndingAtByte62", Text(60, 'a') + "中文测试" + "bb", Text(60, 'a') + "中"},
        TipCut{"AllAscii", Text(70, 'x'), Text(62, 'x')}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TrayTest, ExitReadingLeavesTheIconWithAnEmptyTip) {
    ASSERT_NO_FATAL_FAILURE(start_with(numbered_book(5), 6, kNoTickDwell));
    ASSERT_NO_FATAL_FAILURE(start_reading());
    ASSERT_TRUE(wait_for_tip(numbered_line(1)));
    const size_t before = modify_count();

    ASSERT_TRUE(click(program.control(id::kExitReading)));
    ASSERT_TRUE(tray.wait_for(from_panel(TrayCall::Modify), before + 1));
    const TrayNotice last = tray.notices().back();
    EXPECT_TRUE(last.is(TrayCall::Modify));
    EXPECT_EQ(last.tip, "");
    EXPECT_TRUE(last.record.has_icon);
    EXPECT_EQ(tray.count_of(from_panel(TrayCall::Delete)), 0u);
}

// ---------------------------------------------------------------------------
// Hot keys while another window has the focus.

TEST_F(TrayTest, CtrlRightPagesOnlyWhenRightIsReleasedBeforeCtrlAndCtrlMQuits) {
    ASSERT_NO_FATAL_FAILURE(start_with(numbered_book(10), 6, kNoTickDwell));
    ASSERT_NO_FATAL_FAILURE(start_reading());
    ASSERT_TRUE(wait_for_tip(numbered_line(1)));
    FocusWindow other;
    ASSERT_TRUE(other.take_focus()) << "the driver's window did not get the focus";

    ASSERT_TRUE(run_xdotool("keydown ctrl key Right keyup ctrl"));
    ASSERT_TRUE(wait_for_tip(numbered_line(2))) << "Ctrl+Right did not page forward";
    EXPECT_TRUE(holds_for([&] { return tray.count_of(modify_with_tip(numbered_line(3))) == 0; },
                          kQuietAfterKeys))
        << "one Ctrl+Right paged more than once";

    // Ctrl released first: that release forgets Ctrl, so Right's release is a
    // plain key. The Ctrl+Right after it marks the end of the sequence: it
    // must bring line 3, not line 4.
    ASSERT_TRUE(run_xdotool("keydown ctrl keydown Right keyup ctrl keyup Right "
                            "keydown ctrl key Right keyup ctrl"));
    ASSERT_TRUE(wait_for_tip(numbered_line(3)));
    EXPECT_TRUE(holds_for([&] { return tray.count_of(modify_with_tip(numbered_line(4))) == 0; },
                          kQuietAfterKeys))
        << "Ctrl released before Right still paged";
    EXPECT_TRUE(other.has_focus()) << "the program took the focus";

    ASSERT_TRUE(run_xdotool("keydown ctrl key m keyup ctrl"));
    const auto exit_code = program.wait_for_exit();
    ASSERT_TRUE(exit_code.has_value()) << "Ctrl+M did not end the program";
    EXPECT_EQ(*exit_code, 0u);
    EXPECT_TRUE(tray.wait_for(from_panel(TrayCall::Delete)));
}

TEST_F(TrayTest, CtrlUpPausesWithTheBuiltInPictureAndCtrlDownResumes) {
    ASSERT_TRUE(program.write_file(kUserIconName, square_icon(kUserIconSize)));
    ASSERT_NO_FATAL_FAILURE(start_with(numbered_book(40), 6, kFastDwell, user_icon_path()));
    const auto added = tray.wait_for(from_panel(TrayCall::Add));
    ASSERT_TRUE(added.has_value());
    EXPECT_EQ(added->record.icon_width, kUserIconSize);

    ASSERT_NO_FATAL_FAILURE(start_reading());
    const auto first = wait_for_tip(numbered_line(1));
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->record.icon_width, kUserIconSize);
    EXPECT_EQ(first->record.icon_height, kUserIconSize);
    FocusWindow other;
    ASSERT_TRUE(other.take_focus()) << "the driver's window did not get the focus";

    ASSERT_TRUE(run_xdotool("keydown ctrl key Up keyup ctrl"));
    const auto paused = wait_for_tip(kPausedTip);
    ASSERT_TRUE(paused.has_value()) << "Ctrl+Up gave no paused tip";
    EXPECT_TRUE(paused->record.has_icon);
    EXPECT_EQ(paused->record.icon_width, kBuiltInIconSize);
    EXPECT_EQ(paused->record.icon_height, kBuiltInIconSize);
    const size_t after_pause = modify_count();
    EXPECT_TRUE(holds_for([&] { return modify_count() == after_pause; }, kLongerThanTwoTicks))
        << "the timer went on after Ctrl+Up";
    EXPECT_EQ(tray.notices().back().tip, kPausedTip);

    ASSERT_TRUE(run_xdotool("keydown ctrl key Down keyup ctrl"));
    ASSERT_TRUE(tray.wait_for(from_panel(TrayCall::Modify), after_pause + 1))
        << "Ctrl+Down did not resume";
    const TrayNotice resumed = tray.notices().back();
    EXPECT_NE(resumed.tip, kPausedTip);
    EXPECT_TRUE(resumed.tip.rfind("第", 0) == 0) << resumed.tip;
    EXPECT_EQ(resumed.record.icon_width, kUserIconSize);
    EXPECT_TRUE(other.has_focus());
}

// ---------------------------------------------------------------------------
// The tray menu, opened by a right click on the icon.

class TrayMenuTest : public TrayTest {
protected:
    // The right click's notification, then the menu window.
    HWND open_menu() {
        PostMessageW(program.panel(), kTrayCallbackMessage, kTrayIconId, WM_RBUTTONUP);
        return wait_for_window_of_class(kMenuClass);
    }
    // Picks the item `downs` steps down from the top (separators are skipped).
    void choose(int downs) {
        std::string keys = "key";
        for (int i = 0; i < downs; ++i) keys += " Down";
        keys += " Return";
        ASSERT_TRUE(run_xdotool(keys));
    }
    bool menu_closed() const {
        for (HWND w : top_windows_of_class(program.process_id(), kMenuClass))
            if (IsWindowVisible(w)) return false;
        return true;
    }
};

// Steps from the top of the menu: 上页 下页 暂停 开始 退出阅读 - 控制面板 - 退出.
constexpr int kDownsToPause = 3;
constexpr int kDownsToShowPanel = 6;

TEST_F(TrayMenuTest, ControlPanelItemShowsTheHiddenPanel) {
    ASSERT_NO_FATAL_FAILURE(start_with(numbered_book(5), 6, kNoTickDwell));
    HWND panel = program.panel();
    PostMessageW(panel, WM_CLOSE, 0, 0);
    ASSERT_TRUE(wait_until([&] { return !IsWindowVisible(panel); }));

    ASSERT_NE(open_menu(), nullptr) << "no popup menu";
    choose(kDownsToShowPanel);
    EXPECT_TRUE(wait_until([&] { return IsWindowVisible(panel) != FALSE; }))
        << "the panel stayed hidden";
    EXPECT_TRUE(wait_until([&] { return menu_closed(); }));
    EXPECT_TRUE(program.is_running());
}

TEST_F(TrayMenuTest, PauseItemStopsReading) {
    ASSERT_NO_FATAL_FAILURE(start_with(numbered_book(40), 6, kFastDwell));
    ASSERT_NO_FATAL_FAILURE(start_reading());
    ASSERT_TRUE(wait_for_tip(numbered_line(2))) << "reading did not go on by itself";

    ASSERT_NE(open_menu(), nullptr) << "no popup menu";
    choose(kDownsToPause);
    ASSERT_TRUE(wait_until([&] { return menu_closed(); }));
    // The menu's command may still be on its way, and a tick may just have
    // come: let things settle for one tick, then nothing more may come.
    ASSERT_TRUE(wait_until([&] {
        const size_t seen = modify_count();
        return holds_for([&] { return modify_count() == seen; }, kLongerThanTwoTicks);
    }, Milliseconds{8000})) << "the timer kept running after 暂停";
    // Pausing from the menu leaves the icon and the last tip alone.
    EXPECT_TRUE(tray.notices().back().tip.rfind("第", 0) == 0);
    EXPECT_EQ(tray.count_of(modify_with_tip(kPausedTip)), 0u);
}

// ---------------------------------------------------------------------------
// The balloon mode.

TEST_F(TrayTest, BalloonPointsAtTheDoubleClickAndHidesOnAClickIntoThePanel) {
    // Each line one character longer than the one before, so that every
    // replacement shows as a wider balloon. Ticks before the double click
    // point at (0, 0), the anchor not yet recorded.
    Text book;
    for (int n = 1; n <= 9; ++n) {
        for (int i = 0; i < n; ++i) book += "长";
        book += "\r\n";
    }
    ASSERT_NO_FATAL_FAILURE(start_with(book, 20, kFastDwell));
    ASSERT_NO_FATAL_FAILURE(start_reading(id::kModeBalloon));
    ASSERT_EQ(tray.count_of([&](const TrayNotice& n) {
                  return from_panel(TrayCall::Modify)(n) && !n.tip.empty();
              }),
              0u)
        << "the balloon mode wrote into the tray tip";

    // Near the bottom-right corner: the body cannot extend to the right, so
    // the pointer sits at its right end, and the outline then ends exactly on
    // the screen's right edge (no clamp moves it).
    const POINT anchor{GetSystemMetrics(SM_CXSCREEN) - balloon::kPointerInset,
                       GetSystemMetrics(SM_CYSCREEN) - 20};
    ASSERT_TRUE(SetCursorPos(anchor.x, anchor.y));
    PostMessageW(program.panel(), kTrayCallbackMessage, kTrayIconId, WM_LBUTTONDBLCLK);

    const auto placed_at_anchor = [&](const RECT& r) {
        // The tip lies on the outline's bottom edge, kPointerInset in from its
        // right end; the window reaches the shadow's offset beyond the outline.
        return r.bottom == anchor.y + balloon::kShadowY &&
               r.right == anchor.x + balloon::kPointerInset + balloon::kShadowX &&
               r.left < anchor.x - balloon::kPointerInset;
    };
    const auto shown_at_anchor = [&](int wider_than) {
        HWND w = balloon_window();
        if (!w || !IsWindowVisible(w)) return false;
        const RECT r = outer_rect(w);
        return placed_at_anchor(r) && width_of(r) > wider_than;
    };
    ASSERT_TRUE(wait_until([&] { return shown_at_anchor(0); }))
        << "no balloon pointing at the double click";
    HWND balloon = balloon_window();
    const RECT first = outer_rect(balloon);

    // The next tick replaces it with the next, longer segment, at the same anchor.
    ASSERT_TRUE(wait_until([&] { return shown_at_anchor(width_of(first)); }))
        << "the balloon was not replaced";
    HWND replaced = balloon_window();
    const RECT second = outer_rect(replaced);
    EXPECT_GT(width_of(second), width_of(first));
    EXPECT_EQ(top_windows_of_class(program.process_id(), kBalloonClass).size(), 1u);

    // Paused (sent, so it passes no message hook), the next tick cannot bring
    // the balloon back; a click on the panel's status bar then hides it.
    ASSERT_TRUE(send_message(program.panel(), WM_COMMAND, MAKEWPARAM(menu::kPause, 0), 0));
    ASSERT_TRUE(IsWindowVisible(replaced)) << "pausing hid the balloon";
    const RECT bar = outer_rect(program.control(id::kStatusBar));
    ASSERT_TRUE(SetCursorPos(bar.left + width_of(bar) / 2, bar.top + height_of(bar) / 2));
    ASSERT_TRUE(run_xdotool("click 1"));
    EXPECT_TRUE(wait_until([&] { return !IsWindowVisible(replaced); }))
        << "the click into the panel left the balloon";
    EXPECT_TRUE(holds_for([&] { return !IsWindowVisible(replaced); }, kQuietAfterKeys));
    EXPECT_TRUE(program.is_running());
}

}  // namespace
}  // namespace tq::e2e
