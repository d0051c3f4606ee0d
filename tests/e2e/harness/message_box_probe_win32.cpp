#include "tests/e2e/harness/message_box_probe_win32.h"

#include "tests/e2e/harness/window_probe_win32.h"

namespace tq::e2e {

namespace {
constexpr wchar_t kDialogClass[] = L"#32770";
// The static control that holds a message box's text.
constexpr int kMessageTextId = 0xFFFF;

std::optional<MessageBoxSeen> first_visible_box(DWORD process_id) {
    for (HWND box : top_windows_of_class(process_id, kDialogClass)) {
        if (!IsWindowVisible(box)) continue;
        return MessageBoxSeen{box, window_text(box), window_text(GetDlgItem(box, kMessageTextId))};
    }
    return std::nullopt;
}
}  // namespace

std::optional<MessageBoxSeen> wait_for_message_box(DWORD process_id, Milliseconds timeout) {
    std::optional<MessageBoxSeen> seen;
    wait_until([&] { return (seen = first_visible_box(process_id)).has_value(); }, timeout);
    return seen;
}

bool no_message_box(DWORD process_id) { return !first_visible_box(process_id).has_value(); }

bool has_button(HWND box, int button_id) { return GetDlgItem(box, button_id) != nullptr; }

bool answer_message_box(HWND box, int button_id) {
    HWND button = GetDlgItem(box, button_id);
    if (!button) return false;
    // Posted, as the dialog's own loop ends the box while handling it.
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(button_id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
    return wait_until([box] { return !IsWindow(box); });
}

}  // namespace tq::e2e
