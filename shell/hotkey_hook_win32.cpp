#include "shell/hotkey_hook_win32.h"

#include "shell/control_ids.h"
#include "shell/hotkey_logic.h"
#include "shell/unique_handle.h"

namespace tq {

namespace {

// One hook per process, used only on the GUI thread that installed it.
struct HookState {
    unique_hook hook;
    HWND target = nullptr;
    std::int32_t modifier_state = 0;
};

HookState& hook_state() {
    static HookState state;
    return state;
}

}  // namespace

bool install_hotkey_hook(HWND target) {
    HookState& state = hook_state();
    if (state.hook) return true;
    state.target = target;
    state.hook.reset(SetWindowsHookExA(WH_KEYBOARD_LL, &hotkey_hook_proc, GetModuleHandleA(nullptr), 0));
    return static_cast<bool>(state.hook);
}

void remove_hotkey_hook() {
    HookState& state = hook_state();
    state.hook.reset();
    state.target = nullptr;
}

bool hotkey_hook_installed() { return static_cast<bool>(hook_state().hook); }

LRESULT CALLBACK hotkey_hook_proc(int code, WPARAM wparam, LPARAM lparam) {
    HookState& state = hook_state();
    if (code == HC_ACTION && lparam != 0) {
        const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lparam);
        const std::optional<HotkeyEvent> event =
            classify_key_event(state.modifier_state, key->vkCode, key->flags);
        if (event && state.target) {
            const HotkeyMessageParams params = encode_hotkey_message(*event);
            PostMessageA(state.target, kHotkeyMessage, params.wparam, params.lparam);
        }
    }
    return CallNextHookEx(state.hook.get(), code, wparam, lparam);
}

}  // namespace tq
