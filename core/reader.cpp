#include "core/reader.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "core/segmenter.h"

namespace tq {

namespace {

constexpr std::int64_t kMillisecondsPerSecond = 1000;
constexpr std::int32_t kStopped = 0;

// Narrow literals hold code page 936 bytes.
const Text kEndOfBookMessage = "已到最后一页";
const Text kFirstPageMessage = "已经是第一页";
const Text kMessageTitle = "信息：";
const Text kPanelCaption = "控制面板";
const Text kEmptyTip;

// Counts as the cursor's signed 32-bit numbers see them; an array can never
// be reached beyond that by the cursor anyway.
std::int32_t clamp_count(std::size_t count) {
    constexpr auto kMax = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
    return static_cast<std::int32_t>(std::min(count, kMax));
}

}  // namespace

Reader::Reader(ReadingState& state, ReadingTimer& timer, const ReaderControls& controls,
               DisplaySinks& sinks, MessageBoxes& boxes)
    : state_(state), timer_(timer), controls_(controls), sinks_(sinks), boxes_(boxes) {}

bool Reader::is_reading() const { return state_.current_line > 0 && state_.current_segment > 0; }

std::int32_t Reader::line_count() const { return clamp_count(state_.book_lines.size()); }

std::int32_t Reader::segment_count() const { return clamp_count(state_.line_segments.size()); }

bool Reader::line_in_book(std::int64_t line) const { return line >= 1 && line <= line_count(); }

void Reader::stop_timer() { timer_.set_period(kStopped); }

void Reader::arm_timer() {
    // Computed wide: a dwell time that a hand-edited file made huge must not
    // wrap round to a negative or tiny period.
    const std::int64_t period = std::int64_t{controls_.dwell_seconds()} * kMillisecondsPerSecond;
    constexpr std::int64_t kMaxPeriod = std::numeric_limits<std::int32_t>::max();
    timer_.set_period(static_cast<std::int32_t>(std::clamp<std::int64_t>(period, kStopped, kMaxPeriod)));
}

void Reader::replace_book(TextArray lines) {
    state_.book_lines = std::move(lines);
    ++state_.book_generation;
}

void Reader::cut_current_line() {
    ReadingState::LineCutKey& key = state_.line_segments_key;
    const std::int32_t line = state_.current_line;
    if (!line_in_book(line)) {
        // A cursor beyond the book (a bookmark of a longer book, or no book at
        // all) is never used as an index: the cut gives no segments.
        state_.line_segments = TextArray();
        key = {};
        return;
    }
    const std::string_view text = state_.book_lines[static_cast<std::size_t>(line) - 1];
    const std::int32_t width = controls_.segment_width();
    const bool unchanged = key.valid && key.book_generation == state_.book_generation &&
                           key.line == line && key.width == width && key.line_data == text.data() &&
                           key.line_size == text.size() &&
                           key.segment_count == state_.line_segments.size() &&
                           key.segment_bytes == state_.line_segments.storage().size();
    if (unchanged) return;
    state_.line_segments = segment_line(text, width);
    key = ReadingState::LineCutKey{true,        state_.book_generation,
                                   line,        width,
                                   text.data(), text.size(),
                                   state_.line_segments.size(),
                                   state_.line_segments.storage().size()};
}

void Reader::show_message(const Text& text) {
    boxes_.show(text, kMessageTitle, MessageButtons::Ok, MessageIcon::None);
}

// The message boxes run a nested message loop in which hot keys and tray
// commands go on being handled, so nothing read before a box is trusted after
// it: every step below reads the state afresh.
void Reader::advance() {
    cut_current_line();
    if (state_.current_line < line_count()) {
        if (state_.current_segment < segment_count()) {
            ++state_.current_segment;
        } else {
            ++state_.current_line;
            state_.current_segment = 1;
            cut_current_line();
        }
    } else if (state_.current_segment < segment_count()) {
        ++state_.current_segment;
    } else {
        // Also where a cursor beyond the book ends up: its cut is empty.
        stop_timer();
        show_message(kEndOfBookMessage);
    }
    show_current_segment();
}

void Reader::timer_tick() {
    if (!is_reading()) return;
    advance();
}

// The skips below move only between lines of the book: one that would leave
// 1 ... count(book_lines), and any skip from a line outside it (a cursor of 0
// while nothing is read, a bookmark beyond the book), is not made. So an empty
// last or first line cannot carry the cursor off the book, and a page step
// while nothing is read cannot start reading by itself.
void Reader::skip_forward() {
    const std::int64_t from = state_.current_line;
    if (!line_in_book(from) || !line_in_book(from + 1)) return;
    state_.current_line = static_cast<std::int32_t>(from + 1);
    state_.current_segment = 1;
}

void Reader::skip_back() {
    const std::int64_t from = state_.current_line;
    if (!line_in_book(from) || !line_in_book(from - 1)) return;
    state_.current_line = static_cast<std::int32_t>(from - 1);
    cut_current_line();
    state_.current_segment = segment_count();
}

void Reader::step_forward() {
    if (is_reading()) {
        stop_timer();
        advance();
        arm_timer();
    }
    if (state_.line_segments.empty() && timer_.period() != kStopped) skip_forward();
}

void Reader::step_back() {
    if (is_reading()) {
        stop_timer();
        cut_current_line();
        if (state_.current_line > 1) {
            if (state_.current_segment > 1) {
                --state_.current_segment;
            } else {
                --state_.current_line;
                cut_current_line();
                state_.current_segment = segment_count();
            }
        } else if (state_.current_segment > 1) {
            --state_.current_segment;
        } else {
            stop_timer();
            show_message(kFirstPageMessage);
        }
        show_current_segment();
        arm_timer();
    }
    if (state_.line_segments.empty() && timer_.period() != kStopped) skip_back();
}

void Reader::jump_to_line() {
    if (!is_reading()) return;
    // The field is kept inside the book; a target outside it anyway (a book
    // of one line accepts any number) is not taken, so the cursor stays on a
    // line of the book and reading goes on where it was.
    const std::int32_t target = controls_.jump_target();
    if (!line_in_book(target)) return;
    state_.current_line = target;
    state_.current_segment = 1;
}

void Reader::resume_reading() {
    if (is_reading()) arm_timer();
}

void Reader::exit_reading() {
    stop_timer();
    state_.current_line = 0;
    state_.current_segment = 0;
    sinks_.show_in_caption(kPanelCaption);
    sinks_.show_in_tray(kEmptyTip);
}

void Reader::show_current_segment() {
    if (state_.line_segments.empty()) return;
    const std::int32_t segment = state_.current_segment;
    // A segment number the current cut does not have (a bookmark, a wider cut
    // after a tray double-click) shows nothing; every sink keeps what it had.
    if (segment < 1 || segment > segment_count()) return;
    const Text text = state_.line_segments.text(static_cast<std::size_t>(segment) - 1);
    switch (controls_.checked_mode()) {
        case DisplayMode::TrayTip:
            sinks_.show_in_tray(text);
            break;
        case DisplayMode::Balloon:
            sinks_.show_in_balloon(state_.balloon_x, state_.balloon_y, text);
            break;
        case DisplayMode::Caption:
            sinks_.show_in_caption(text);
            break;
        case DisplayMode::None:
            break;
    }
}

void Reader::show_and_rearm() {
    // A cursor the arrays do not hold (a book without lines, a segment number
    // beyond a wider cut) shows nothing and leaves the timer as it was: a book
    // without lines, whose opening stopped the timer, stays stopped. An empty
    // line is a line of the book: it shows nothing but the timer starts, so
    // the next tick moves on.
    if (!line_in_book(state_.current_line) || state_.current_segment < 1) return;
    cut_current_line();
    if (state_.current_segment > segment_count() && !state_.line_segments.empty()) return;
    show_current_segment();
    arm_timer();
}

}  // namespace tq
