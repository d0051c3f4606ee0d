// The small interfaces through which the reading logic sees the platform: the
// timer, the fields of the control panel, the three display sinks and the
// message boxes. The Win32 side implements them; tests drive fakes.
#pragma once

#include <cstdint>

#include "core/text.h"

namespace tq {

// The one clock, "时钟1".
class ReadingTimer {
public:
    virtual ~ReadingTimer() = default;
    // Period in milliseconds; 0 (or less) stops it. Writing the current value
    // again must leave a running countdown alone; another value restarts it.
    virtual void set_period(std::int32_t milliseconds) = 0;
    virtual std::int32_t period() const = 0;
};

enum class DisplayMode { None, TrayTip, Balloon, Caption };

// Values of control-panel fields, read at the moment of use and never cached.
class ReaderControls {
public:
    virtual ~ReaderControls() = default;
    virtual std::int32_t segment_width() const = 0;  // "单次显示字数"
    virtual std::int32_t dwell_seconds() const = 0;  // "停留时间"
    virtual std::int32_t jump_target() const = 0;    // "跳转行"
    // The first checked of "托盘图标模式", "气泡框模式", "标题栏模式".
    virtual DisplayMode checked_mode() const = 0;
};

// Where a segment can be shown.
class DisplaySinks {
public:
    virtual ~DisplaySinks() = default;
    // Sets the tray icon again from the picture of "图片框1" with this tip.
    virtual void show_in_tray(const Text& tip) = 0;
    virtual void show_in_balloon(std::int32_t x, std::int32_t y, const Text& text) = 0;
    virtual void show_in_caption(const Text& text) = 0;
};

enum class MessageButtons { Ok, OkCancel };
enum class MessageIcon { None, Exclamation, Information, Question };
enum class MessageAnswer { Ok, Cancel };

// Modal message boxes: no owner window, task-modal.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual MessageAnswer show(const Text& text, const Text& title, MessageButtons buttons,
                               MessageIcon icon) = 0;
};

}  // namespace tq
