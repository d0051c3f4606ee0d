// The status bar's hints on mouse moves over the control panel.
#pragma once

namespace tq {

// The hint for a control id; nullptr when the control has none, in which case
// a move over it leaves the status text alone.
const char* status_hint_for_control(int control_id);

// Set on every move over the window's own client area, outside every control.
constexpr const char* kWindowHint = "提示栏";
constexpr const char* kInitialStatusText = "提示";

}  // namespace tq
