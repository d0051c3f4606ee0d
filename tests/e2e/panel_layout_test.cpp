// The control panel's face and its settings as a user meets them: where every
// control sits, the status hints under the real mouse pointer, what start-up
// makes of the configuration file, the numeric fields and their spinners, and
// a screenshot of the panel in a Wine desktop of its own.
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "shell/control_ids.h"
#include "tests/e2e/harness/program_fixture.h"
#include "tests/e2e/harness/text_win32.h"

namespace tq::e2e {
namespace {

constexpr int kWindow = 0;  // parent id of the controls placed on the window itself

// The screen's corner lies outside the centred panel: a pointer left over the
// panel by an earlier case would set a hint as soon as the panel appears.
// Two moves: Wine skips a move to the place where it believes the pointer is.
void park_pointer_off_the_panel() {
    SetCursorPos(1, 1);
    SetCursorPos(0, 0);
}

struct ControlRow {
    const char* name;
    int id;
    int parent_id;
    int x, y, width, height;
    const char* text;  // null: content that is not a caption (list, picture, folder)
};

// The panel as it stands after start-up. The numeric fields show the values
// start-up has read (a first start: width 2, dwell 1), not the width field's
// creation text "10", which start-up replaces at once.
const ControlRow kLayout[] = {
    {"标签1", id::kLabelFolder, kWindow, 11, 16, 112, 24, "当前文件夹目录："},
    {"当前目录文件夹", id::kFolderEdit, kWindow, 137, 16, 495, 20, nullptr},
    {"选择文件夹", id::kChooseFolder, kWindow, 640, 8, 144, 32, "选择文件夹"},
    {"导入txt文件", id::kImportBooks, kWindow, 792, 8, 144, 32, "导入txt文件"},
    {"文件框1", id::kFileList, kWindow, 8, 40, 344, 216, nullptr},
    {"开始阅读", id::kStartReading, kWindow, 8, 264, 80, 32, "开始阅读"},
    {"删除文件", id::kDeleteBook, kWindow, 96, 264, 80, 32, "删除文件"},
    {"刷新", id::kRefresh, kWindow, 184, 264, 80, 32, "刷新"},
    {"超级链接框1", id::kAboutLink, kWindow, 269, 269, 96, 24, "关于&问题反馈"},
    {"查看快捷键", id::kHotkeyHelp, kWindow, 544, 260, 120, 32, "查看快捷键"},
    {"退出按钮", id::kQuit, kWindow, 843, 260, 80, 32, "退出"},
    {"标签2", id::kLabelDwell, kWindow, 688, 104, 128, 24, "停留时间(s) ："},
    {"停留时间", id::kDwellEdit, kWindow, 792, 106, 80, 20, "1"},
    {"标签4", id::kLabelJump, kWindow, 688, 138, 208, 49, "跳转到（行）："},
    {"跳转行", id::kJumpEdit, kWindow, 792, 137, 80, 20, "1"},
    {"确定跳转", id::kJump, kWindow, 808, 160, 80, 32, "确定跳转"},
    {"从书签行开始", id::kFromBookmark, kWindow, 776, 200, 111, 32, "从书签行开始"},
    {"分组框1", id::kGroupSettings, kWindow, 368, 48, 560, 248, "阅读设置"},
    {"图片框1", id::kPicture, id::kGroupSettings, 8, 24, 50, 50, nullptr},
    {"更换托盘图标", id::kChoosePicture, id::kGroupSettings, 72, 32, 128, 32, "更换托盘图标"},
    {"标签3", id::kLabelWidth, id::kGroupSettings, 320, 24, 128, 24, "单次显示字数："},
    {"单次显示字数", id::kWidthEdit, id::kGroupSettings, 424, 26, 80, 20, "2"},
    {"分组框2", id::kGroupMode, id::kGroupSettings, 8, 88, 224, 112, "阅读模式"},
    {"托盘图标模式", id::kModeTray, id::kGroupMode, 8, 24, 160, 24, "托盘图标【Win11】"},
    {"气泡框模式", id::kModeBalloon, id::kGroupMode, 8, 48, 192, 24, "气泡框【Win10/WIn11】"},
    {"标题栏模式", id::kModeCaption, id::kGroupMode, 8, 72, 208, 24, "标题栏【Win10/Win11】"},
    {"按钮2", id::kExitReading, id::kGroupSettings, 8, 212, 80, 32, "退出阅读"},
    {"按钮1", id::kSaveBookmark, id::kGroupSettings, 91, 212, 80, 32, "添加书签"},
    {"上一页", id::kPreviousPage, id::kGroupSettings, 301, 212, 80, 32, "上一页"},
    {"下一页", id::kNextPage, id::kGroupSettings, 389, 212, 80, 32, "下一页"},
    {"状态条1", id::kStatusBar, kWindow, 0, 281, 937, 24, "提示"},
};

class PanelLayout : public ProgramTest {
protected:
    void SetUp() override {
        park_pointer_off_the_panel();
        start_program();
    }
};

TEST_F(PanelLayout, EveryControlSitsInItsParentWithItsText) {
    for (const ControlRow& row : kLayout) {
        SCOPED_TRACE(row.name);
        HWND control = program.control(row.id);
        ASSERT_NE(control, nullptr);
        HWND expected_parent =
            row.parent_id == kWindow ? program.panel() : program.control(row.parent_id);
        ASSERT_NE(expected_parent, nullptr);
        EXPECT_EQ(GetParent(control), expected_parent);
        const RECT r = rect_in_parent(control);
        EXPECT_EQ(r.left, row.x);
        EXPECT_EQ(r.top, row.y);
        EXPECT_EQ(width_of(r), row.width);
        EXPECT_EQ(height_of(r), row.height);
        if (row.text) {
            EXPECT_EQ(window_text(control), row.text);
        }
        EXPECT_TRUE(IsWindowVisible(control));
        EXPECT_EQ(IsWindowEnabled(control) != FALSE, row.id != id::kFromBookmark);
    }
}

TEST_F(PanelLayout, NoReadingModeIsCheckedAtStart) {
    for (const int mode : {id::kModeTray, id::kModeBalloon, id::kModeCaption}) {
        SCOPED_TRACE(mode);
        HWND radio = program.control(mode);
        ASSERT_NE(radio, nullptr);
        EXPECT_FALSE(is_checked(radio));
    }
}

TEST_F(PanelLayout, EachNumericFieldHasASpinnerBesideIt) {
    struct SpinRow {
        const char* name;
        int field_id;
        int spin_id;
    };
    const SpinRow rows[] = {
        {"停留时间", id::kDwellEdit, id::kDwellSpin},
        {"跳转行", id::kJumpEdit, id::kJumpSpin},
        {"单次显示字数", id::kWidthEdit, id::kWidthSpin},
    };
    for (const SpinRow& row : rows) {
        SCOPED_TRACE(row.name);
        HWND field = program.control(row.field_id);
        HWND spin = program.control(row.spin_id);
        ASSERT_NE(field, nullptr);
        ASSERT_NE(spin, nullptr);
        EXPECT_EQ(class_name_of(spin), L"msctls_updown32");
        EXPECT_TRUE(IsWindowVisible(spin));
        EXPECT_EQ(GetParent(spin), GetParent(field));
        const RECT f = rect_in_parent(field);
        const RECT s = rect_in_parent(spin);
        EXPECT_EQ(s.left, f.right) << "the spinner touches the field's right edge";
        EXPECT_EQ(s.top, f.top);
        EXPECT_EQ(height_of(s), height_of(f));
        EXPECT_GT(width_of(s), 0);
    }
}

// --- Status hints under the real mouse pointer ------------------------------

constexpr char kFileListHint[] = "当前目录文件夹下的txt文件。";
constexpr char kWindowHint[] = "提示栏";
constexpr char kModeHint[] =
    "选择阅读的模式，其中【托盘图标】和【气泡框】的单次显示字符最好不要超过40个。(一个中文占两个字数)";
constexpr char kWidthHint[] =
    "注意：当选择【托盘图标】或【气泡框】时字符不要过多，否则可能显示不完整。建议少于40个。(一个中文占两个字数)";
constexpr char kPictureHint[] =
    "托盘图标的图片，建议更改为【传奇】之类的游戏图片。图片格式必须为ico。";

// A point of the panel's client area between the file list (ends at x 352)
// and the settings group (starts at x 368): no control lies there.
constexpr POINT kEmptyClientPoint{360, 150};
// Long enough for a mouse move to have reached the program and been handled.
constexpr Milliseconds kSettleTime{400};

bool move_pointer_to(POINT screen) { return SetCursorPos(screen.x, screen.y) != FALSE; }

POINT centre_of(HWND control) {
    const RECT r = outer_rect(control);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class StatusHints : public ProgramTest {
protected:
    void SetUp() override {
        park_pointer_off_the_panel();
        start_program();
        status_ = program.control(id::kStatusBar);
        ASSERT_NE(status_, nullptr);
    }
    POINT empty_point() const {
        POINT p = kEmptyClientPoint;
        ClientToScreen(program.panel(), &p);
        return p;
    }
    bool hint_becomes(const char* text) {
        return wait_until([&] { return window_text(status_) == text; });
    }
    HWND status_ = nullptr;
};

TEST_F(StatusHints, StartsWithThePlainHint) { EXPECT_EQ(window_text(status_), "提示"); }

TEST_F(StatusHints, EachHintedControlSetsItsHint) {
    struct HintRow {
        const char* name;
        int id;
        const char* hint;
    };
    const HintRow rows[] = {
        {"file list", id::kFileList, kFileListHint},
        {"tray mode", id::kModeTray, kModeHint},
        {"balloon mode", id::kModeBalloon, kModeHint},
        {"caption mode", id::kModeCaption, kModeHint},
        {"width field", id::kWidthEdit, kWidthHint},
        {"width label", id::kLabelWidth, kWidthHint},
        {"picture box", id::kPicture, kPictureHint},
        {"picture button", id::kChoosePicture, kPictureHint},
    };
    for (const HintRow& row : rows) {
        SCOPED_TRACE(row.name);
        // From the empty area first, so each row starts from a hint of its own.
        ASSERT_TRUE(move_pointer_to(empty_point()));
        ASSERT_TRUE(hint_becomes(kWindowHint)) << window_text(status_);
        HWND control = program.control(row.id);
        ASSERT_NE(control, nullptr);
        ASSERT_TRUE(move_pointer_to(centre_of(control)));
        EXPECT_TRUE(hint_becomes(row.hint)) << window_text(status_);
    }
}

TEST_F(StatusHints, FromTheListToTheEmptyAreaShowsTheWindowHint) {
    ASSERT_TRUE(move_pointer_to(centre_of(program.control(id::kFileList))));
    ASSERT_TRUE(hint_becomes(kFileListHint)) << window_text(status_);
    ASSERT_TRUE(move_pointer_to(empty_point()));
    EXPECT_TRUE(hint_becomes(kWindowHint)) << window_text(status_);
}

TEST_F(StatusHints, ControlsWithoutAHintKeepTheListHint) {
    for (const int quiet : {id::kStartReading, id::kRefresh, id::kDwellEdit}) {
        SCOPED_TRACE(quiet);
        ASSERT_TRUE(move_pointer_to(empty_point()));
        ASSERT_TRUE(hint_becomes(kWindowHint)) << window_text(status_);
        ASSERT_TRUE(move_pointer_to(centre_of(program.control(id::kFileList))));
        ASSERT_TRUE(hint_becomes(kFileListHint)) << window_text(status_);
        HWND control = program.control(quiet);
        ASSERT_NE(control, nullptr);
        ASSERT_TRUE(move_pointer_to(centre_of(control)));
        EXPECT_TRUE(holds_for([&] { return window_text(status_) == kFileListHint; }, kSettleTime))
            << window_text(status_);
    }
}

// --- What start-up makes of the configuration file --------------------------

struct IniRow {
    const char* name;
    const char* ini;        // the file as the user left it, code page 936
    int field_id;
    const char* key;
    const char* shown;      // the field's text after start-up
    const char* stored;     // the key's value in the file after start-up
};

const IniRow kIniRows[] = {
    {"dwell above 59 falls back to 1", "[初始化]\r\n停留时间=90\r\n", id::kDwellEdit, "停留时间",
     "1", "1"},
    {"dwell 59 stands", "[初始化]\r\n停留时间=59\r\n", id::kDwellEdit, "停留时间", "59", "59"},
    {"present but empty width gives 2", "[初始化]\r\n单次显示字数=\r\n", id::kWidthEdit,
     "单次显示字数", "2", "2"},
    {"width 40 stands", "[初始化]\r\n单次显示字数=40\r\n", id::kWidthEdit, "单次显示字数", "40",
     "40"},
    {"width 1 is raised to 2", "[初始化]\r\n单次显示字数=1\r\n", id::kWidthEdit, "单次显示字数",
     "2", "2"},
};

class IniAtStart : public ::testing::TestWithParam<IniRow> {
protected:
    TrayHost tray;
    ProgramUnderTest program;
};

TEST_P(IniAtStart, FieldShowsAndFileHoldsTheCheckedValue) {
    const IniRow& row = GetParam();
    ASSERT_TRUE(program.write_ini(row.ini));
    ASSERT_TRUE(program.start()) << program.last_error();
    EXPECT_EQ(window_text(program.control(row.field_id)), row.shown);
    EXPECT_EQ(program.read_ini("初始化", row.key), row.stored);
}

INSTANTIATE_TEST_SUITE_P(Rows, IniAtStart, ::testing::ValuesIn(kIniRows),
                         [](const ::testing::TestParamInfo<IniRow>& info) {
                             std::string name;
                             for (const char* c = info.param.name; *c; ++c)
                                 name.push_back(std::isalnum(static_cast<unsigned char>(*c))
                                                    ? *c
                                                    : '_');
                             return name;
                         });

TEST_F(PanelLayout, FirstStartWritesExactlyTheTwoNumericDefaults) {
    // The fixture's folder had no INI; Wine writes CR LF line ends.
    EXPECT_EQ(program.read_file(kIniFileName), "[初始化]\r\n单次显示字数=2\r\n停留时间=1\r\n");
}

// --- Editing the numeric fields ----------------------------------------------

class NumericFields : public ProgramTest {
protected:
    void SetUp() override { start_program(); }
    // A click on the upper or lower half of a spinner, as the mouse gives it.
    static void press_spinner(HWND spin, bool upper) {
        const RECT r = outer_rect(spin);
        const int x = width_of(r) / 2;
        const int y = upper ? height_of(r) / 4 : height_of(r) * 3 / 4;
        PostMessageW(spin, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        PostMessageW(spin, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }
};

TEST_F(NumericFields, EmptiedWidthIsPutBackToTwoAtOnce) {
    HWND width = program.control(id::kWidthEdit);
    ASSERT_TRUE(set_window_text(width, "40"));
    ASSERT_EQ(program.read_ini("初始化", "单次显示字数"), "40");
    ASSERT_TRUE(set_window_text(width, ""));
    // The change handling runs inside the write, so no waiting is needed.
    EXPECT_EQ(window_text(width), "2");
    EXPECT_EQ(program.read_ini("初始化", "单次显示字数"), "2");
}

TEST_F(NumericFields, TypedDwellIsStored) {
    HWND dwell = program.control(id::kDwellEdit);
    ASSERT_TRUE(set_window_text(dwell, "5"));
    EXPECT_EQ(window_text(dwell), "5");
    EXPECT_EQ(program.read_ini("初始化", "停留时间"), "5");
}

TEST_F(NumericFields, SpinnerArrowsOnTheDwellFieldWrapToOne) {
    struct SpinRow {
        const char* name;
        const char* before;
        bool upper;
        const char* after;
    };
    const SpinRow rows[] = {
        {"up at 59 passes 60 and falls back to 1", "59", true, "1"},
        {"up at 5 gives 6", "5", true, "6"},
        {"down at 5 gives 4", "5", false, "4"},
    };
    HWND dwell = program.control(id::kDwellEdit);
    HWND spin = program.control(id::kDwellSpin);
    ASSERT_NE(spin, nullptr);
    for (const SpinRow& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(set_window_text(dwell, row.before));
        ASSERT_EQ(window_text(dwell), row.before);
        press_spinner(spin, row.upper);
        EXPECT_TRUE(wait_until([&] {
            return window_text(dwell) == row.after &&
                   program.read_ini("初始化", "停留时间") == row.after;
        })) << window_text(dwell);
        // The release must not leave an auto-repeat running.
        EXPECT_TRUE(holds_for([&] { return window_text(dwell) == row.after; }, kSettleTime))
            << window_text(dwell);
    }
}

// --- A screenshot in a Wine desktop of its own --------------------------------

// Wine's explorer shows a taskbar in a virtual desktop of this name, so the
// panel's taskbar button appears beside its frame.
constexpr wchar_t kShotDesktop[] = L"shell";
constexpr wchar_t kShotFile[] = L"control_panel.png";
constexpr Milliseconds kPaintTime{1500};
constexpr Milliseconds kScreenshotTimeout{15000};

// The build folder: the nearest folder above the driver that holds CMakeCache.txt.
std::wstring build_folder() {
    wchar_t module[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, module, MAX_PATH);
    std::wstring folder = module;
    for (size_t slash = folder.rfind(L'\\'); slash != std::wstring::npos;
         slash = folder.rfind(L'\\')) {
        folder.resize(slash);
        if (GetFileAttributesW((folder + L"\\CMakeCache.txt").c_str()) != INVALID_FILE_ATTRIBUTES)
            return folder;
    }
    return {};
}

// "Z:\a\b" back to "/a/b" for the Linux program that takes the picture.
std::string linux_path_of(const std::wstring& windows_path) {
    std::string path;
    for (wchar_t c : windows_path.substr(2)) path.push_back(c == L'\\' ? '/' : static_cast<char>(c));
    return path;
}

// FindWindow sees only the calling thread's desktop, so the search runs on a
// thread of its own that joins the other desktop first.
struct PanelSearch {
    HDESK desktop;
    HWND found = nullptr;
};

DWORD WINAPI search_panel_on_desktop(LPVOID data) {
    auto& search = *static_cast<PanelSearch*>(data);
    if (SetThreadDesktop(search.desktop))
        search.found = FindWindowW(nullptr, to_wide(kPanelCaption).c_str());
    return 0;
}

HWND find_panel_on_desktop(HDESK desktop) {
    PanelSearch search{desktop};
    unique_file thread(CreateThread(nullptr, 0, &search_panel_on_desktop, &search, 0, nullptr));
    if (!thread) return nullptr;
    WaitForSingleObject(thread.get(), static_cast<DWORD>(kStepTimeout.count));
    return search.found;
}

std::optional<LONGLONG> file_size(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    return (static_cast<LONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

TEST(PanelScreenshot, ShowsThePanelWithItsFrameAndTaskbarButton) {
    const std::wstring build = build_folder();
    ASSERT_FALSE(build.empty());
    const std::wstring shots = build + L"\\screenshots";
    CreateDirectoryW(shots.c_str(), nullptr);
    const std::wstring picture = shots + L"\\" + kShotFile;
    DeleteFileW(picture.c_str());

    ProgramUnderTest program;  // only for its folder and exe copy; started below
    std::wstring command = std::wstring(L"explorer.exe /desktop=") + kShotDesktop +
                           L",1280x800 \"" + program.folder() + L"\\tarnquil.exe\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               program.folder().c_str(), &startup, &info));
    CloseHandle(info.hThread);
    unique_file desktop_process(info.hProcess);

    HWND panel = nullptr;
    ASSERT_TRUE(wait_until(
        [&] {
            HDESK desktop = OpenDesktopW(kShotDesktop, 0, FALSE, GENERIC_ALL);
            if (!desktop) return false;
            panel = find_panel_on_desktop(desktop);
            CloseDesktop(desktop);
            return panel != nullptr;
        },
        kStartTimeout));
    Sleep(kPaintTime.count);  // the frame and the taskbar paint after the window shows

    std::string take = "/usr/bin/import -window root " + linux_path_of(picture);
    STARTUPINFOA import_startup{};
    import_startup.cb = sizeof import_startup;
    PROCESS_INFORMATION import_info{};
    ASSERT_TRUE(CreateProcessA(nullptr, take.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &import_startup, &import_info));
    CloseHandle(import_info.hThread);
    CloseHandle(import_info.hProcess);
    // The Linux process cannot be waited for: the picture is done when its
    // size stops growing.
    constexpr int kStablePolls = 10;  // about 200 ms of the same size
    std::optional<LONGLONG> last;
    int stable = 0;
    EXPECT_TRUE(wait_until(
        [&] {
            const auto now = file_size(picture);
            stable = (now && *now > 0 && last == now) ? stable + 1 : 0;
            last = now;
            return stable >= kStablePolls;
        },
        kScreenshotTimeout))
        << "no screenshot at " << to_text(picture);

    PostMessageW(panel, kDestroyPanelMessage, 0, 0);
    EXPECT_TRUE(wait_until([&] { return IsWindow(panel) == FALSE; }));
    if (WaitForSingleObject(desktop_process.get(), static_cast<DWORD>(kExitTimeout.count)) !=
        WAIT_OBJECT_0)
        TerminateProcess(desktop_process.get(), 0);
}

}  // namespace
}  // namespace tq::e2e
