// The reading timer "时钟1" on a window timer of the control panel.
#pragma once

#include <windows.h>

#include "core/ports.h"

namespace tq {

class WindowTimer final : public ReadingTimer {
public:
    static constexpr UINT_PTR kTimerId = 1;

    void attach(HWND window) { window_ = window; }
    void set_period(std::int32_t milliseconds) override;
    std::int32_t period() const override { return period_; }

private:
    HWND window_ = nullptr;
    std::int32_t period_ = 0;
};

}  // namespace tq
