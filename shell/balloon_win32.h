// The balloon "气球提示框1": a popup of the program's own that points at a spot
// near the tray and shows one segment until something hides it.
#pragma once

#include <windows.h>

#include <cstdint>

#include "core/text.h"
#include "shell/balloon_geometry.h"
#include "shell/unique_handle.h"
#include "shell/window_win32.h"

namespace tq {

class BalloonTip : public Window {
public:
    static constexpr const char* kClassName = "TarnquilBalloon";

    BalloonTip() = default;
    ~BalloonTip() override;

    // Creates the hidden popup and hooks the GUI thread's messages so that a
    // click or key press in any window of the program hides the balloon. One
    // balloon per program; false when the window could not be made.
    bool create();
    void destroy();

    // Replaces the balloon at once: hides it, then shows text with the
    // pointer's tip at the screen point (x, y). An empty text only hides it.
    // Does nothing while the window does not exist.
    void show_balloon(std::int32_t x, std::int32_t y, const Text& text);
    void hide_balloon();

    bool is_shown() const;
    // The placement of the last balloon shown.
    const BalloonLayout& layout() const { return layout_; }

protected:
    LRESULT handle_message(UINT message, WPARAM wparam, LPARAM lparam) override;
    void on_destroyed() override;

private:
    static LRESULT CALLBACK message_hook(int code, WPARAM wparam, LPARAM lparam);
    void on_paint();
    SIZE measure_text() const;

    unique_window window_;
    unique_hook hook_;
    unique_font font_;
    unique_region outline_;  // body and pointer, in window coordinates
    BalloonLayout layout_;
    BalloonPoint anchor_;
    Text text_;
};

}  // namespace tq
