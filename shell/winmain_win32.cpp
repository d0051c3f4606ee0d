// The Win32 entry point: the platform side of program_main.
#include <windows.h>

#include <commctrl.h>

#include <memory>

#include "core/program_main.h"
#include "shell/control_panel_win32.h"

namespace tq {
namespace {

class Win32ProgramHost final : public ProgramHost {
public:
    bool create_main_window(ReadingState& state) override {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_UPDOWN_CLASS |
                                                           ICC_STANDARD_CLASSES | ICC_LINK_CLASS};
        InitCommonControlsEx(&controls);
        panel_ = std::make_unique<ControlPanel>(state);
        return panel_->create_and_show();
    }

    int run_message_loop() override {
        MSG message;
        // The panel posts WM_QUIT when it is destroyed; it is the last window.
        while (GetMessageA(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        panel_.reset();
        return static_cast<int>(message.wParam);
    }

    void report_start_failure() override {
        MessageBoxA(nullptr, "无法创建控制面板窗口，程序将退出。", "错误",
                    MB_OK | MB_ICONERROR | MB_TASKMODAL);
    }

private:
    std::unique_ptr<ControlPanel> panel_;
};

}  // namespace
}  // namespace tq

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    tq::Win32ProgramHost host;
    return tq::program_main(host);
}
