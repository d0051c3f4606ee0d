#include "shell/about_modal_win32.h"

namespace tq {
namespace {

struct Exclusions {
    HWND first;
    HWND second;
    std::vector<std::pair<HWND, bool>>* found;
};

BOOL CALLBACK collect_unowned(HWND window, LPARAM context) {
    auto* exclusions = reinterpret_cast<Exclusions*>(context);
    if (window == exclusions->first || window == exclusions->second) return TRUE;
    // EnumThreadWindows lists top-level windows only; owned ones (message
    // boxes, the About window itself) stay as they are.
    if (GetWindow(window, GW_OWNER) != nullptr) return TRUE;
    if (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD) return TRUE;
    exclusions->found->emplace_back(window, IsWindowEnabled(window) != FALSE);
    return TRUE;
}

bool is_escape_for(const MSG& message, HWND window) {
    return message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE &&
           (message.hwnd == window || IsChild(window, message.hwnd));
}

}  // namespace

DisabledTopLevelWindows::DisabledTopLevelWindows(HWND keep_enabled, HWND also_keep_enabled) {
    Exclusions exclusions{keep_enabled, also_keep_enabled, &windows_};
    EnumThreadWindows(GetCurrentThreadId(), &collect_unowned,
                      reinterpret_cast<LPARAM>(&exclusions));
    for (const auto& [window, enabled] : windows_) {
        if (enabled) EnableWindow(window, FALSE);
    }
}

void DisabledTopLevelWindows::restore() {
    for (const auto& [window, enabled] : windows_) {
        // A window destroyed meanwhile has nothing to give back; its handle
        // may even have been reused, so only ours are touched.
        if (IsWindow(window) && GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) {
            EnableWindow(window, enabled ? TRUE : FALSE);
        }
    }
    windows_.clear();
}

void run_modal_loop(HWND window) {
    MSG message{};
    while (IsWindow(window)) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0) {
            DestroyWindow(window);
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        if (got == -1) {
            DestroyWindow(window);
            return;
        }
        if (is_escape_for(message, window)) {
            SendMessageA(window, WM_CLOSE, 0, 0);
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

}  // namespace tq
