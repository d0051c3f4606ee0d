// Bookmarks as a reader uses them (save the place, come back to it, the
// button that offers it) and the modal About window opened from the panel's
// link.
#include <gtest/gtest.h>

#include <string>

#include "core/text.h"
#include "shell/control_ids.h"
#include "tests/e2e/harness/program_fixture.h"
#include "tests/e2e/harness/text_win32.h"

namespace tq::e2e {
namespace {

// A book of 20 short lines whose line 12 is 50 ASCII bytes: at the width of
// 10 bytes it has exactly five segments "12-1------" ... "12-5------", so
// each segment names its own place.
constexpr int kBookLines = 20;
constexpr int kMarkedLine = 12;
constexpr char kWidth[] = "10";
// The longest dwell the field accepts: no tick comes between two steps of a
// case that drives the cursor by hand.
constexpr char kSlowDwell[] = "59";
constexpr char kFastDwell[] = "1";

constexpr wchar_t kBooksFolder[] = L"books";
constexpr char kBookName[] = "book.txt";
constexpr char kOtherBookName[] = "other.txt";

constexpr char kNoBookmarkText[] = "当前书签没有有效值，请确认是否在阅读";
constexpr char kNoticeTitle[] = "提示";

constexpr wchar_t kAboutClass[] = L"TarnquilAbout";
constexpr char kAboutCaption[] = "关于 Tarnquil V1.0";
constexpr int kAboutWidth = 508;
constexpr int kAboutHeight = 338;

// How long "nothing happens" is watched for; more than one tick at the fast
// dwell.
constexpr Milliseconds kQuietSpell{1500};
// A tick at the fast dwell plus Wine's slack.
constexpr Milliseconds kTickTimeout{4000};

std::string segment_of_marked_line(int segment) {
    std::string text = std::to_string(kMarkedLine) + "-" + std::to_string(segment);
    text.resize(10, '-');
    return text;
}

Bytes book_text() {
    Bytes text;
    for (int line = 1; line <= kBookLines; ++line) {
        if (line == kMarkedLine) {
            for (int segment = 1; segment <= 5; ++segment) text += segment_of_marked_line(segment);
        } else {
            text += "line" + std::to_string(line);
        }
        text += "\r\n";
    }
    return text;
}

Text ini_text(const std::wstring& books_folder, const char* dwell, const Text& extra_sections) {
    return "[初始化]\r\n文件框=" + to_text(books_folder) + "\\\r\n单次显示字数=" + kWidth +
           "\r\n停留时间=" + dwell + "\r\n" + extra_sections;
}

Text bookmark_section(const char* book, int line, int segment) {
    Text section = "[";
    section += book;
    section += "]\r\n行数=" + std::to_string(line) + "\r\n当行段数=" + std::to_string(segment) +
               "\r\n";
    return section;
}

// Presses the left button with the real pointer at the centre of `window`:
// the input goes through the window manager's hit-testing like a user's
// click, so a disabled panel swallows it.
void real_click(HWND window) {
    const RECT r = outer_rect(window);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    INPUT inputs[2] = {};
    inputs[0].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].type = INPUT_MOUSE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, inputs, sizeof(INPUT));
}

class Bookmarks : public ProgramTest {
protected:
    // Both books in a folder of their own, the panel's width at 10.
    void start_with(const char* dwell, const Text& sections = {}) {
        ASSERT_TRUE(program.write_file(std::wstring(kBooksFolder) + L"\\book.txt", book_text()));
        ASSERT_TRUE(
            program.write_file(std::wstring(kBooksFolder) + L"\\other.txt", book_text()));
        ASSERT_TRUE(program.write_ini(ini_text(program.file(kBooksFolder), dwell, sections)));
        start_program();
    }

    HWND caption_holder() const { return program.panel(); }

    void select_book(const char* name) {
        HWND list = program.control(id::kFileList);
        const auto items = list_items(list);
        for (size_t i = 0; i < items.size(); ++i) {
            if (items[i] == name) {
                ASSERT_TRUE(select_list_item(list, static_cast<int>(i)));
                return;
            }
        }
        FAIL() << "the list does not show " << name;
    }

    void start_reading_in_caption_mode(const char* book) {
        select_book(book);
        ASSERT_TRUE(click(program.control(id::kModeCaption)));
        ASSERT_TRUE(click(program.control(id::kStartReading)));
        ASSERT_TRUE(wait_until([&] { return window_text(program.panel()) == "line1"; }))
            << "caption: " << window_text(program.panel());
    }

    // Line 12, segment 3: the jump puts the cursor on (12, 1), each page
    // step moves one segment on.
    void read_up_to_marked_segment() {
        ASSERT_TRUE(set_window_text(program.control(id::kJumpEdit), "12"));
        ASSERT_TRUE(click(program.control(id::kJump)));
        ASSERT_TRUE(click(program.control(id::kNextPage)));
        ASSERT_TRUE(click(program.control(id::kNextPage)));
        ASSERT_TRUE(wait_until(
            [&] { return window_text(program.panel()) == segment_of_marked_line(3); }))
            << "caption: " << window_text(program.panel());
    }

    bool from_bookmark_enabled() const {
        return IsWindowEnabled(program.control(id::kFromBookmark)) != FALSE;
    }

    bool ini_has_section(const char* book) const {
        const Bytes ini = program.read_file(kIniFileName);
        Text header = "[";
        header += book;
        header += "]";
        return ini.find(header) != Bytes::npos;
    }
};

TEST_F(Bookmarks, SavingOnLineTwelveSegmentThreeStoresThatPlaceForTheSelectedBook) {
    start_with(kSlowDwell);
    start_reading_in_caption_mode(kBookName);
    read_up_to_marked_segment();

    ASSERT_TRUE(click(program.control(id::kSaveBookmark)));
    EXPECT_TRUE(no_message_box(program.process_id()));
    EXPECT_EQ(program.read_ini(kBookName, "行数"), "12");
    EXPECT_EQ(program.read_ini(kBookName, "当行段数"), "3");
    EXPECT_FALSE(ini_has_section(kOtherBookName));
    // Saving is not a step: the caption stays on the saved segment.
    EXPECT_EQ(window_text(program.panel()), segment_of_marked_line(3));
}

TEST_F(Bookmarks, ResumingShowsTheSegmentAfterTheBookmarkedOne) {
    struct Row {
        const char* name;
        const char* dwell;
        bool turn_page;  // otherwise the next tick moves on
    };
    const Row rows[] = {
        {"next tick", kFastDwell, false},
        {"next page", kSlowDwell, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ProgramUnderTest run;
        ASSERT_TRUE(run.write_file(std::wstring(kBooksFolder) + L"\\book.txt", book_text()));
        ASSERT_TRUE(run.write_ini(ini_text(run.file(kBooksFolder), row.dwell,
                                           bookmark_section(kBookName, kMarkedLine, 3))));
        ASSERT_TRUE(run.start()) << run.last_error();

        HWND list = run.control(id::kFileList);
        ASSERT_EQ(list_items(list).size(), 1u);
        ASSERT_TRUE(select_list_item(list, 0));
        ASSERT_TRUE(click(run.control(id::kModeCaption)));
        ASSERT_TRUE(click(run.control(id::kStartReading)));
        ASSERT_TRUE(wait_until([&] { return !window_text(run.panel()).empty() &&
                                            window_text(run.panel()) != kPanelCaption; }));
        ASSERT_TRUE(click(run.control(id::kFromBookmark)));
        if (row.turn_page) {
            // Resuming alone shows nothing: the caption stays on the first lines.
            EXPECT_EQ(window_text(run.panel()), "line1");
            ASSERT_TRUE(click(run.control(id::kNextPage)));
        }
        EXPECT_TRUE(wait_until(
            [&] { return window_text(run.panel()) == segment_of_marked_line(4); }, kTickTimeout))
            << "caption: " << window_text(run.panel());
        run.stop();
    }
}

TEST_F(Bookmarks, ResumeButtonFollowsTheUsersSelectionOnly) {
    start_with(kSlowDwell, bookmark_section(kBookName, kMarkedLine, 3));
    EXPECT_FALSE(from_bookmark_enabled()) << "disabled at start";

    select_book(kBookName);
    EXPECT_TRUE(from_bookmark_enabled()) << "a book with a bookmark";
    select_book(kOtherBookName);
    EXPECT_FALSE(from_bookmark_enabled()) << "a book without one";

    // Saving one for the selected book does not enable the button by itself.
    start_reading_in_caption_mode(kOtherBookName);
    ASSERT_TRUE(click(program.control(id::kSaveBookmark)));
    ASSERT_EQ(program.read_ini(kOtherBookName, "行数"), "1");
    EXPECT_FALSE(from_bookmark_enabled()) << "after saving";

    select_book(kBookName);
    select_book(kOtherBookName);
    EXPECT_TRUE(from_bookmark_enabled()) << "selected again after saving";
}

TEST_F(Bookmarks, SavingBeforeAnyReadingWarnsAndWritesNothing) {
    struct Row {
        const char* name;
        bool select_first;
    };
    const Row rows[] = {
        {"a book selected", true},
        {"nothing selected", false},
    };
    start_with(kFastDwell);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.select_first) select_book(kBookName);
        click_async(program.control(id::kSaveBookmark));
        const auto box = wait_for_message_box(program.process_id());
        ASSERT_TRUE(box.has_value());
        EXPECT_EQ(box->title, kNoticeTitle);
        EXPECT_EQ(box->text, kNoBookmarkText);
        EXPECT_TRUE(has_button(box->box, IDOK));
        EXPECT_FALSE(has_button(box->box, IDCANCEL));
        EXPECT_TRUE(answer_message_box(box->box, IDOK));

        EXPECT_FALSE(ini_has_section(kBookName));
        EXPECT_FALSE(ini_has_section(""));
        EXPECT_EQ(program.read_ini(kBookName, "行数"), "");
    }
}

// ---------------------------------------------------------------------------

class AboutWindow : public Bookmarks {
protected:
    HWND about() const {
        const auto windows = top_windows_of_class(program.process_id(), kAboutClass);
        return windows.empty() ? nullptr : windows.front();
    }

    // The link reacts to the left button going down on it.
    HWND open_about() {
        HWND link = program.control(id::kAboutLink);
        EXPECT_NE(link, nullptr);
        if (!link) return nullptr;
        const RECT r = outer_rect(link);
        SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        PostMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON,
                     MAKELPARAM(width_of(r) / 2, height_of(r) / 2));
        PostMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(width_of(r) / 2, height_of(r) / 2));
        HWND window = nullptr;
        wait_until([&] {
            window = about();
            return window != nullptr && IsWindowVisible(window);
        });
        return window;
    }

    bool close_with_escape(HWND window) {
        PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
        return wait_until([&] { return !IsWindow(window); });
    }
};

TEST_F(AboutWindow, IsModalOwnedAndClosesWithEscape) {
    start_with(kFastDwell);
    start_reading_in_caption_mode(kBookName);

    HWND window = open_about();
    ASSERT_NE(window, nullptr) << "no About window after the link was pressed";
    EXPECT_EQ(window_text(window), kAboutCaption);
    // Owned by the hidden owner window: no taskbar button of its own.
    HWND owner = GetWindow(window, GW_OWNER);
    EXPECT_NE(owner, nullptr);
    EXPECT_NE(owner, program.panel());
    EXPECT_EQ(window_ex_style(window) & WS_EX_APPWINDOW, 0);
    const RECT r = outer_rect(window);
    EXPECT_EQ(width_of(r), kAboutWidth);
    EXPECT_EQ(height_of(r), kAboutHeight);

    EXPECT_TRUE(wait_until([&] { return IsWindowEnabled(program.panel()) == FALSE; }))
        << "the panel stays usable under the About window";

    // The timer goes on: the caption keeps moving through the book.
    const Text before = window_text(program.panel());
    EXPECT_TRUE(wait_until([&] { return window_text(program.panel()) != before; }, kTickTimeout))
        << "caption stuck at " << before;

    // A real click on a panel button does nothing while the panel is disabled.
    real_click(program.control(id::kHotkeyHelp));
    EXPECT_TRUE(holds_for([&] { return no_message_box(program.process_id()); }, kQuietSpell));
    EXPECT_TRUE(IsWindow(window));

    ASSERT_TRUE(close_with_escape(window));
    EXPECT_TRUE(wait_until([&] { return IsWindowEnabled(program.panel()) != FALSE; }));
    EXPECT_TRUE(program.is_running());

    // The same real click works again once the About window is gone.
    real_click(program.control(id::kHotkeyHelp));
    const auto box = wait_for_message_box(program.process_id());
    ASSERT_TRUE(box.has_value()) << "the panel did not come back to life";
    EXPECT_EQ(box->title, "快捷键");
    EXPECT_TRUE(answer_message_box(box->box, IDOK));
}

// The build tree holds this driver in tests/e2e; the shot goes into
// <build tree>/screenshots.
std::string screenshot_linux_path() {
    wchar_t module[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, module, MAX_PATH);
    std::wstring path = module;
    for (int level = 0; level < 3; ++level) path.resize(path.find_last_of(L'\\'));
    std::string linux_path;
    for (wchar_t c : path.substr(2)) linux_path += c == L'\\' ? '/' : static_cast<char>(c);
    return linux_path + "/screenshots";
}

// ImageMagick's import is a Linux program that Wine starts from CreateProcess;
// its process cannot be waited for, so the file is watched until it stops
// growing.
bool take_screenshot(const std::string& folder, const RECT& area) {
    const std::string windows_folder = "Z:" + folder;
    std::string windows_file = windows_folder + "/about.png";
    for (char& c : windows_file) {
        if (c == '/') c = '\\';
    }
    CreateDirectoryA(("Z:" + folder).c_str(), nullptr);
    DeleteFileA(windows_file.c_str());
    std::string command = "/usr/bin/import -window root -crop " + std::to_string(width_of(area)) +
                          "x" + std::to_string(height_of(area)) + "+" +
                          std::to_string(area.left) + "+" + std::to_string(area.top) +
                          " +repage " + folder + "/about.png";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return false;
    }
    unique_file thread(process.hThread);
    unique_file handle(process.hProcess);
    LONGLONG last_size = -1;
    return wait_until(
        [&] {
            WIN32_FILE_ATTRIBUTE_DATA data{};
            if (!GetFileAttributesExA(windows_file.c_str(), GetFileExInfoStandard, &data)) {
                return false;
            }
            const LONGLONG size =
                (static_cast<LONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
            const bool settled = size > 0 && size == last_size;
            last_size = size;
            return settled;
        },
        Milliseconds{10000});
}

TEST_F(AboutWindow, ScreenshotIsWrittenIntoTheBuildTree) {
    start_with(kSlowDwell);
    HWND window = open_about();
    ASSERT_NE(window, nullptr);
    // Let the picture and the labels paint before the shot.
    ASSERT_TRUE(holds_for([&] { return IsWindowVisible(window) != FALSE; }, Milliseconds{500}));
    const std::string folder = screenshot_linux_path();
    // Without a window manager nobody draws the frame, so only the client
    // area is the About window's own on the screen.
    RECT client{};
    ASSERT_TRUE(GetClientRect(window, &client));
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    EXPECT_TRUE(take_screenshot(folder, client)) << "no shot in " << folder;
    EXPECT_TRUE(close_with_escape(window));
}

}  // namespace
}  // namespace tq::e2e
