// The mouse notifications of the tray icon, as events of the control panel.
#pragma once

#include <cstdint>
#include <optional>

#include "core/reading_state.h"

namespace tq {

enum class TrayEvent { TrayLeftUp = 1, TrayDoubleClick = 2, TrayMenuRequest = 3 };

// The lParam of kTrayCallbackMessage; every notification other than the
// left release, the left double click, the right release and the context
// menu request is none.
std::optional<TrayEvent> tray_event_from_notification(std::uintptr_t lparam);

struct ScreenPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// What handling a tray event needs from the control panel.
class TrayEventPort {
public:
    virtual ~TrayEventPort() = default;
    virtual ScreenPoint cursor_position() const = 0;
    virtual bool is_reading() const = 0;
    virtual void show_and_rearm() = 0;
    // Returns when the menu has closed.
    virtual void show_tray_menu(ScreenPoint at) = 0;
};

// The menu request opens the tray menu at the pointer. The double click
// records the pointer as the balloon's anchor and, while reading, shows the
// current segment again and rearms the timer. A left release does nothing.
void handle_tray_event(TrayEvent event, ReadingState& state, TrayEventPort& port);

}  // namespace tq
