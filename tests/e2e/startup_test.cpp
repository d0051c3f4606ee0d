// The control panel as a user first sees it: caption, place, frame, the
// defaults a first start writes, and the hot-key help box.
#include <gtest/gtest.h>

#include "shell/control_ids.h"
#include "tests/e2e/harness/program_fixture.h"

namespace tq::e2e {
namespace {

constexpr int kPanelWidth = 943;
constexpr int kPanelHeight = 384;

class PanelAtStart : public ProgramTest {
protected:
    void SetUp() override { start_program(); }
};

TEST_F(PanelAtStart, IsVisibleWithItsCaption) {
    EXPECT_TRUE(wait_until([&] { return IsWindowVisible(program.panel()) != FALSE; }));
    EXPECT_EQ(window_text(program.panel()), "控制面板");
    EXPECT_EQ(GetParent(program.panel()), nullptr);
    EXPECT_EQ(GetWindow(program.panel(), GW_OWNER), nullptr);
}

TEST_F(PanelAtStart, HasItsOuterSizeCentredOnThePrimaryScreen) {
    const RECT r = outer_rect(program.panel());
    EXPECT_EQ(width_of(r), kPanelWidth);
    EXPECT_EQ(height_of(r), kPanelHeight);
    EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - kPanelWidth) / 2);
    EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - kPanelHeight) / 2);
}

TEST_F(PanelAtStart, HasAFixedFrameWithMinimiseAndCloseBoxesOnly) {
    struct StyleBit {
        const char* name;
        LONG_PTR bit;
        bool extended;
        bool present;
    };
    const StyleBit bits[] = {
        {"caption bar", WS_CAPTION, false, true},
        {"system menu and close box", WS_SYSMENU, false, true},
        {"minimise box", WS_MINIMIZEBOX, false, true},
        {"no sizing border", WS_THICKFRAME, false, false},
        {"no maximise box", WS_MAXIMIZEBOX, false, false},
        {"own taskbar button: not a tool window", WS_EX_TOOLWINDOW, true, false},
        {"normal z-order: not topmost", WS_EX_TOPMOST, true, false},
    };
    const LONG_PTR style = window_style(program.panel());
    const LONG_PTR ex_style = window_ex_style(program.panel());
    for (const StyleBit& row : bits) {
        SCOPED_TRACE(row.name);
        const LONG_PTR value = row.extended ? ex_style : style;
        EXPECT_EQ((value & row.bit) == row.bit, row.present);
    }
}

TEST_F(PanelAtStart, FirstStartCreatesTheIniWithTheDefaultFields) {
    // The fixture's folder had no INI: start-up creates it and the fields'
    // change handling writes the defaults back.
    EXPECT_TRUE(program.ini_exists());
    EXPECT_EQ(window_text(program.control(id::kWidthEdit)), "2");
    EXPECT_EQ(window_text(program.control(id::kDwellEdit)), "1");
    EXPECT_EQ(program.read_ini("初始化", "单次显示字数"), "2");
    EXPECT_EQ(program.read_ini("初始化", "停留时间"), "1");
}

TEST_F(PanelAtStart, HotkeyHelpListsTheKeysInAnOkBox) {
    HWND help = program.control(id::kHotkeyHelp);
    ASSERT_NE(help, nullptr);
    click_async(help);  // the handler returns only when the box closes

    const auto box = wait_for_message_box(program.process_id());
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->title, "快捷键");
    EXPECT_EQ(box->text,
              "上一页：Ctrl + ←（左箭头）\r\n下一页：Ctrl + →（右箭头）\r\n"
              "暂停：Ctrl + ↑（上箭头）\r\n开始：Ctrl + ↓（下箭头）\r\n退出：Ctrl + M");
    EXPECT_TRUE(has_button(box->box, IDOK));
    EXPECT_FALSE(has_button(box->box, IDCANCEL));
    EXPECT_TRUE(answer_message_box(box->box, IDOK));
    EXPECT_TRUE(program.is_running());
    EXPECT_TRUE(no_message_box(program.process_id()));
}

}  // namespace
}  // namespace tq::e2e
