#include "shell/window_timer_win32.h"

#include <algorithm>

namespace tq {

void WindowTimer::set_period(std::int32_t milliseconds) {
    milliseconds = std::max(milliseconds, 0);
    if (milliseconds == period_) return;  // keep the running countdown
    KillTimer(window_, kTimerId);
    period_ = milliseconds;
    if (period_ > 0) SetTimer(window_, kTimerId, static_cast<UINT>(period_), nullptr);
}

}  // namespace tq
