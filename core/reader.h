// The reading cursor, its paging rules and the dispatch of the current segment
// to the chosen display, over the ports through which the logic sees the
// platform.
#pragma once

#include <cstdint>

#include "core/ports.h"
#include "core/reading_state.h"
#include "core/text.h"

namespace tq {

class Reader {
public:
    Reader(ReadingState& state, ReadingTimer& timer, const ReaderControls& controls,
           DisplaySinks& sinks, MessageBoxes& boxes);

    ReadingState& state() { return state_; }
    bool is_reading() const;

    void stop_timer();
    // The period becomes the dwell time in milliseconds; writing the period the
    // timer already has leaves its countdown alone.
    void arm_timer();

    void timer_tick();
    void step_forward();
    void step_back();
    void jump_to_line();
    void resume_reading();
    void exit_reading();

    void show_current_segment();
    void show_and_rearm();

    // The open book becomes lines. The generation is bumped so that the cut of
    // a line of the previous book is never taken for one of this book.
    void replace_book(TextArray lines);

private:
    void cut_current_line();
    // Steps 2 to 5 of a tick: cut, move on by one segment, show.
    void advance();
    void skip_forward();
    void skip_back();
    void show_message(const Text& text);

    std::int32_t line_count() const;
    std::int32_t segment_count() const;
    bool line_in_book(std::int64_t line) const;

    ReadingState& state_;
    ReadingTimer& timer_;
    const ReaderControls& controls_;
    DisplaySinks& sinks_;
    MessageBoxes& boxes_;
};

}  // namespace tq
