#include "shell/panel_layout.h"

#include "shell/control_ids.h"

namespace tq {

namespace {

using K = ControlKind;

// Creation order is z-order, the first created on top. Controls of the window
// whose rectangle lies inside "分组框1" (the jump and dwell fields, the
// bookmark, help and quit buttons) are children of the window drawn over the
// group box, so the group box comes after them; a label that overlaps an edit
// box (the label rectangles reach into the fields beside them) comes after
// that field so it cannot paint over the field's text; the status bar, whose
// rectangle crosses the lower edge of the bottom buttons, comes last.
constexpr ControlSpec kLayout[] = {
    {id::kLabelFolder, K::Label, 0, 11, 16, 112, 24, "当前文件夹目录："},
    {id::kFolderEdit, K::Edit, 0, 137, 16, 495, 20, ""},
    {id::kChooseFolder, K::Button, 0, 640, 8, 144, 32, "选择文件夹"},
    {id::kImportBooks, K::Button, 0, 792, 8, 144, 32, "导入txt文件"},
    {id::kFileList, K::ListBox, 0, 8, 40, 344, 216, ""},
    {id::kStartReading, K::Button, 0, 8, 264, 80, 32, "开始阅读"},
    {id::kDeleteBook, K::Button, 0, 96, 264, 80, 32, "删除文件"},
    {id::kRefresh, K::Button, 0, 184, 264, 80, 32, "刷新"},
    {id::kAboutLink, K::Hyperlink, 0, 269, 269, 96, 24, "关于&问题反馈"},
    {id::kHotkeyHelp, K::Button, 0, 544, 260, 120, 32, "查看快捷键"},
    {id::kQuit, K::Button, 0, 843, 260, 80, 32, "退出"},
    {id::kDwellEdit, K::NumericEdit, 0, 792, 106, 80, 20, "1"},
    {id::kJumpEdit, K::NumericEdit, 0, 792, 137, 80, 20, "1"},
    {id::kJump, K::Button, 0, 808, 160, 80, 32, "确定跳转"},
    {id::kFromBookmark, K::Button, 0, 776, 200, 111, 32, "从书签行开始", false, true},
    {id::kLabelDwell, K::Label, 0, 688, 104, 128, 24, "停留时间(s) ："},
    {id::kLabelJump, K::Label, 0, 688, 138, 208, 49, "跳转到（行）："},
    {id::kGroupSettings, K::GroupBox, 0, 368, 48, 560, 248, "阅读设置"},
    {id::kPicture, K::Picture, id::kGroupSettings, 8, 24, 50, 50, ""},
    {id::kChoosePicture, K::Button, id::kGroupSettings, 72, 32, 128, 32, "更换托盘图标"},
    {id::kWidthEdit, K::NumericEdit, id::kGroupSettings, 424, 26, 80, 20, "10"},
    {id::kLabelWidth, K::HintLabel, id::kGroupSettings, 320, 24, 128, 24, "单次显示字数："},
    {id::kGroupMode, K::GroupBox, id::kGroupSettings, 8, 88, 224, 112, "阅读模式"},
    {id::kModeTray, K::Radio, id::kGroupMode, 8, 24, 160, 24, "托盘图标【Win11】", true},
    {id::kModeBalloon, K::Radio, id::kGroupMode, 8, 48, 192, 24, "气泡框【Win10/WIn11】"},
    {id::kModeCaption, K::Radio, id::kGroupMode, 8, 72, 208, 24, "标题栏【Win10/Win11】"},
    {id::kExitReading, K::Button, id::kGroupSettings, 8, 212, 80, 32, "退出阅读", true},
    {id::kSaveBookmark, K::Button, id::kGroupSettings, 91, 212, 80, 32, "添加书签"},
    {id::kPreviousPage, K::Button, id::kGroupSettings, 301, 212, 80, 32, "上一页"},
    {id::kNextPage, K::Button, id::kGroupSettings, 389, 212, 80, 32, "下一页"},
    {id::kStatusBar, K::StatusBar, 0, 0, 281, 937, 24, "提示"},
};

}  // namespace

std::span<const ControlSpec> control_panel_layout() { return kLayout; }

int spinner_id_for(int field_id) {
    switch (field_id) {
        case id::kDwellEdit: return id::kDwellSpin;
        case id::kJumpEdit: return id::kJumpSpin;
        case id::kWidthEdit: return id::kWidthSpin;
        default: return 0;
    }
}

}  // namespace tq
