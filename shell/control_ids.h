// Child-window ids of the control panel, the private messages of the program
// and the tray menu's commands. The end-to-end driver finds controls by these
// ids, so they are part of the program's outside face: do not renumber.
#pragma once

namespace tq {

// WM_APP is 0x8000; written out so this header needs no <windows.h>.
constexpr unsigned kAppMessageBase = 0x8000;
constexpr unsigned kTrayCallbackMessage = kAppMessageBase + 100;  // 0x8064
constexpr unsigned kDestroyPanelMessage = kAppMessageBase + 101;  // 0x8065
// The keyboard hook hands (modifier, key, transition) to the panel with this.
constexpr unsigned kHotkeyMessage = kAppMessageBase + 102;

constexpr unsigned kTrayIconId = 100;

namespace id {
// Window-level controls.
constexpr int kLabelFolder = 1001;       // "标签1"
constexpr int kFolderEdit = 1002;        // "当前目录文件夹"
constexpr int kChooseFolder = 1003;      // "选择文件夹"
constexpr int kImportBooks = 1004;       // "导入txt文件"
constexpr int kFileList = 1005;          // "文件框1"
constexpr int kStartReading = 1006;      // "开始阅读"
constexpr int kDeleteBook = 1007;        // "删除文件"
constexpr int kRefresh = 1008;           // "刷新"
constexpr int kAboutLink = 1009;         // "超级链接框1"
constexpr int kHotkeyHelp = 1010;        // "查看快捷键"
constexpr int kQuit = 1011;              // "退出按钮"
constexpr int kLabelDwell = 1012;        // "标签2"
constexpr int kDwellEdit = 1013;         // "停留时间"
constexpr int kLabelJump = 1014;         // "标签4"
constexpr int kJumpEdit = 1015;          // "跳转行"
constexpr int kJump = 1016;              // "确定跳转"
constexpr int kFromBookmark = 1017;      // "从书签行开始"
constexpr int kGroupSettings = 1018;     // "分组框1"
constexpr int kStatusBar = 1019;         // "状态条1"
// Inside "分组框1".
constexpr int kPicture = 1020;           // "图片框1"
constexpr int kChoosePicture = 1021;     // "更换托盘图标"
constexpr int kLabelWidth = 1022;        // "标签3"
constexpr int kWidthEdit = 1023;         // "单次显示字数"
constexpr int kGroupMode = 1024;         // "分组框2"
constexpr int kExitReading = 1025;       // "按钮2"
constexpr int kSaveBookmark = 1026;      // "按钮1"
constexpr int kPreviousPage = 1027;      // "上一页"
constexpr int kNextPage = 1028;          // "下一页"
// Inside "分组框2".
constexpr int kModeTray = 1029;          // "托盘图标模式"
constexpr int kModeBalloon = 1030;       // "气泡框模式"
constexpr int kModeCaption = 1031;       // "标题栏模式"
// The spinners beside the three numeric fields.
constexpr int kDwellSpin = 1032;
constexpr int kJumpSpin = 1033;
constexpr int kWidthSpin = 1034;
}  // namespace id

// Tray menu commands, in menu order.
namespace menu {
constexpr int kPreviousPage = 2001;  // "上页"
constexpr int kNextPage = 2002;      // "下页"
constexpr int kPause = 2003;         // "暂停"
constexpr int kResume = 2004;        // "开始"
constexpr int kExitReading = 2005;   // "退出阅读"
constexpr int kShowPanel = 2006;     // "控制面板"
constexpr int kQuit = 2007;          // "退出"
}  // namespace menu

}  // namespace tq
