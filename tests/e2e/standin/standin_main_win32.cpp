// A tiny window program that only checks the end-to-end harness while the
// real program is not built: a panel of the right caption, size and frame, a
// few of its controls, an INI beside the exe, a tray icon, the close box that
// hides and the private destroy message. Never shipped.
#include <windows.h>

#include <string>

#include "shell/control_ids.h"
#include "shell/unique_handle.h"
#include "shell/window_win32.h"

namespace {

constexpr char kPanelClass[] = "TarnquilStandIn";
constexpr char kCaption[] = "控制面板";
constexpr int kPanelWidth = 943;
constexpr int kPanelHeight = 384;
constexpr DWORD kPanelStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr UINT kNotifyRecordSize = 88;  // NOTIFYICONDATAA in its first layout
constexpr UINT kTrayFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;

class StandInPanel : public tq::Window {
public:
    bool open() {
        if (!register_class(kPanelClass, 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)))
            return false;
        const int x = (GetSystemMetrics(SM_CXSCREEN) - kPanelWidth) / 2;
        const int y = (GetSystemMetrics(SM_CYSCREEN) - kPanelHeight) / 2;
        if (!create(0, kPanelClass, kCaption, kPanelStyle, x, y, kPanelWidth, kPanelHeight,
                    nullptr))
            return false;
        ShowWindow(hwnd(), SW_SHOW);
        return true;
    }

protected:
    LRESULT handle_message(UINT message, WPARAM wparam, LPARAM lparam) override {
        switch (message) {
        case WM_CREATE: on_create(); return 0;
        case WM_CLOSE: ShowWindow(hwnd(), SW_HIDE); return 0;
        case WM_COMMAND: on_command(LOWORD(wparam)); return 0;
        case WM_DESTROY: on_destroy(); return 0;
        default: break;
        }
        if (message == tq::kDestroyPanelMessage) {
            DestroyWindow(hwnd());
            return 0;
        }
        return Window::handle_message(message, wparam, lparam);
    }

private:
    void on_create() {
        char exe[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, exe, MAX_PATH);
        std::string ini(exe);
        ini = ini.substr(0, ini.find_last_of('\\')) + "\\配置文件.ini";
        WritePrivateProfileStringA("初始化", "单次显示字数", "2", ini.c_str());
        WritePrivateProfileStringA("初始化", "停留时间", "1", ini.c_str());

        HWND group = make_child("BUTTON", "阅读设置", BS_GROUPBOX, 368, 48, 560, 248, tq::id::kGroupSettings, hwnd());
        make_child("EDIT", "2", ES_AUTOHSCROLL, 424, 26, 80, 20, tq::id::kWidthEdit, group);
        make_child("EDIT", "1", ES_AUTOHSCROLL, 792, 106, 80, 20, tq::id::kDwellEdit, hwnd());
        make_child("BUTTON", "查看快捷键", BS_PUSHBUTTON, 544, 260, 120, 32, tq::id::kHotkeyHelp, hwnd());
        make_child("BUTTON", "退出", BS_PUSHBUTTON, 843, 260, 80, 32, tq::id::kQuit, hwnd());

        icon_.reset(static_cast<HICON>(LoadImageA(nullptr, IDI_APPLICATION, IMAGE_ICON, 16, 16, LR_SHARED)));
        NOTIFYICONDATAA record{};
        record.cbSize = kNotifyRecordSize;
        record.hWnd = hwnd();
        record.uID = tq::kTrayIconId;
        record.uFlags = kTrayFlags;
        record.uCallbackMessage = tq::kTrayCallbackMessage;
        record.hIcon = icon_.get();
        Shell_NotifyIconA(NIM_ADD, &record);
    }

    void on_command(int command) {
        if (command == tq::id::kHotkeyHelp) {
            MessageBoxA(nullptr,
                        "上一页：Ctrl + ←（左箭头）\r\n下一页：Ctrl + →（右箭头）\r\n暂停：Ctrl + ↑（上箭头）\r\n开始：Ctrl + ↓（下箭头）\r\n退出：Ctrl + M",
                        "快捷键", MB_OK | MB_TASKMODAL);
        } else if (command == tq::id::kQuit || command == tq::menu::kQuit) {
            PostMessageA(hwnd(), tq::kDestroyPanelMessage, 0, 0);
        }
    }

    void on_destroy() {
        NOTIFYICONDATAA record{};
        record.cbSize = kNotifyRecordSize;
        record.hWnd = hwnd();
        record.uID = tq::kTrayIconId;
        Shell_NotifyIconA(NIM_DELETE, &record);
        PostQuitMessage(0);
    }

    static HWND make_child(const char* kind, const char* text, DWORD style, int x, int y, int w,
                           int h, int id, HWND parent) {
        return CreateWindowExA(0, kind, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               GetModuleHandleA(nullptr), nullptr);
    }

    // A shared system icon: released by nobody, so it is only borrowed here.
    struct NoClose {
        static HICON invalid() { return nullptr; }
        static bool valid(HICON h) { return h != nullptr; }
        static void close(HICON) {}
    };
    tq::unique_handle<HICON, NoClose> icon_;
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    StandInPanel panel;
    if (!panel.open()) return 1;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
