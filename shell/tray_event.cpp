#include "shell/tray_event.h"

namespace tq {

namespace {

// Mouse messages as the shell passes them in lParam; written out so this file
// needs no <windows.h>.
constexpr std::uintptr_t kLeftButtonUp = 0x202;        // WM_LBUTTONUP
constexpr std::uintptr_t kLeftButtonDoubleClick = 0x203;  // WM_LBUTTONDBLCLK
constexpr std::uintptr_t kRightButtonUp = 0x205;       // WM_RBUTTONUP
constexpr std::uintptr_t kContextMenu = 0x7B;          // WM_CONTEXTMENU

}  // namespace

std::optional<TrayEvent> tray_event_from_notification(std::uintptr_t lparam) {
    switch (lparam) {
        case kLeftButtonUp: return TrayEvent::TrayLeftUp;
        case kLeftButtonDoubleClick: return TrayEvent::TrayDoubleClick;
        case kRightButtonUp:
        case kContextMenu: return TrayEvent::TrayMenuRequest;
        default: return std::nullopt;
    }
}

void handle_tray_event(TrayEvent event, ReadingState& state, TrayEventPort& port) {
    switch (event) {
        case TrayEvent::TrayMenuRequest:
            port.show_tray_menu(port.cursor_position());
            break;
        case TrayEvent::TrayDoubleClick: {
            const ScreenPoint at = port.cursor_position();
            state.balloon_x = at.x;
            state.balloon_y = at.y;
            if (port.is_reading()) port.show_and_rearm();
            break;
        }
        case TrayEvent::TrayLeftUp:
            break;
    }
}

}  // namespace tq
