// Fakes of the reader's ports that record what the reader asked of them.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/ports.h"
#include "core/reader.h"

namespace tq::testing {

// Keeps the period the way the window timer does: writing the value it has
// leaves the countdown alone, another value restarts it.
class FakeTimer : public ReadingTimer {
public:
    void set_period(std::int32_t milliseconds) override {
        writes.push_back(milliseconds);
        if (milliseconds < 0) milliseconds = 0;
        if (milliseconds == period_) return;
        period_ = milliseconds;
        if (period_ > 0) ++countdown_starts;
    }
    std::int32_t period() const override { return period_; }

    // Puts the timer in a state without recording it as the reader's doing.
    void preset(std::int32_t milliseconds) {
        period_ = milliseconds;
        writes.clear();
        countdown_starts = 0;
    }

    std::vector<std::int32_t> writes;
    int countdown_starts = 0;

private:
    std::int32_t period_ = 0;
};

class FakeControls : public ReaderControls {
public:
    std::int32_t segment_width() const override { return width; }
    std::int32_t dwell_seconds() const override { return dwell; }
    std::int32_t jump_target() const override { return jump; }
    DisplayMode checked_mode() const override { return mode; }

    std::int32_t width = 10;
    std::int32_t dwell = 5;
    std::int32_t jump = 1;
    DisplayMode mode = DisplayMode::Caption;
};

// Each call becomes one line: "tray:<tip>", "balloon(x,y):<text>", "caption:<text>".
class FakeSinks : public DisplaySinks {
public:
    void show_in_tray(const Text& tip) override { shown.push_back("tray:" + tip); }
    void show_in_balloon(std::int32_t x, std::int32_t y, const Text& text) override {
        shown.push_back("balloon(" + std::to_string(x) + "," + std::to_string(y) + "):" + text);
    }
    void show_in_caption(const Text& text) override { shown.push_back("caption:" + text); }

    std::vector<std::string> shown;
};

struct ShownBox {
    Text text;
    Text title;
    MessageButtons buttons;
    MessageIcon icon;
    std::int32_t timer_period;  // the timer's period while the box was open
};

class FakeBoxes : public MessageBoxes {
public:
    explicit FakeBoxes(const ReadingTimer& timer) : timer_(timer) {}
    MessageAnswer show(const Text& text, const Text& title, MessageButtons buttons,
                       MessageIcon icon) override {
        boxes.push_back({text, title, buttons, icon, timer_.period()});
        if (while_open) while_open();  // the box's own message loop
        return MessageAnswer::Ok;
    }

    std::vector<ShownBox> boxes;
    std::function<void()> while_open;

private:
    const ReadingTimer& timer_;
};

// A reader over fakes; lines become the open book.
struct ReaderRig {
    ReadingState state;
    FakeTimer timer;
    FakeControls controls;
    FakeSinks sinks;
    FakeBoxes boxes{timer};
    Reader reader{state, timer, controls, sinks, boxes};

    explicit ReaderRig(const std::vector<std::string>& lines = {}) {
        TextArray book;
        for (const auto& l : lines) book.push_back(l);
        reader.replace_book(std::move(book));
    }
    void set_cursor(std::int32_t line, std::int32_t segment) {
        state.current_line = line;
        state.current_segment = segment;
    }
    std::vector<std::string> messages() const {
        std::vector<std::string> out;
        for (const auto& b : boxes.boxes) out.push_back(b.text);
        return out;
    }
};

}  // namespace tq::testing
