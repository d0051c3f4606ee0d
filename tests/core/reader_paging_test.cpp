#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "core/reader.h"
#include "tests/core/reader_fakes.h"

namespace tq {
namespace {

using testing::ReaderRig;
using Lines = std::vector<std::string>;
using Shown = std::vector<std::string>;

constexpr std::int32_t kRunning = 5000;  // the fakes' dwell time of 5 s
constexpr std::int32_t kPaused = 0;
constexpr std::int32_t kMaxInt = std::numeric_limits<std::int32_t>::max();

const std::string kEnd = "已到最后一页";
const std::string kFirst = "已经是第一页";

// Width 10: line 1 is [abcdefghij] [klmnopqrst] [uvwxy], line 2 is [second].
const Lines kBook = {"abcdefghijklmnopqrstuvwxy", "second"};
// Line 3 is [0123456789] [abcdefghij]; lines 2 and 4 are empty.
const Lines kGappedBook = {"abc", "", "0123456789abcdefghij", ""};

enum class Op {
    Tick, StepForward, StepBack, Jump, Resume, Stop, Exit, ShowAndRearm, ShowCurrent
};

void run(Reader& reader, Op op) {
    switch (op) {
        case Op::Tick: reader.timer_tick(); break;
        case Op::StepForward: reader.step_forward(); break;
        case Op::StepBack: reader.step_back(); break;
        case Op::Jump: reader.jump_to_line(); break;
        case Op::Resume: reader.resume_reading(); break;
        case Op::Stop: reader.stop_timer(); break;
        case Op::Exit: reader.exit_reading(); break;
        case Op::ShowAndRearm: reader.show_and_rearm(); break;
        case Op::ShowCurrent: reader.show_current_segment(); break;
    }
}

struct Transition {
    const char* name;
    Lines book;
    std::int32_t line, segment;
    std::int32_t period_before;
    Op op;
    std::int32_t jump;  // the field "跳转行"
    std::int32_t expect_line, expect_segment;
    std::int32_t expect_period;
    bool expect_fresh_countdown;
    std::vector<std::string> expect_messages;
    Shown expect_shown;
};

void check(const Transition& t) {
    SCOPED_TRACE(t.name);
    ReaderRig rig(t.book);
    rig.set_cursor(t.line, t.segment);
    rig.timer.preset(t.period_before);
    rig.controls.jump = t.jump;
    run(rig.reader, t.op);
    EXPECT_EQ(rig.state.current_line, t.expect_line);
    EXPECT_EQ(rig.state.current_segment, t.expect_segment);
    EXPECT_EQ(rig.timer.period(), t.expect_period);
    EXPECT_EQ(rig.timer.countdown_starts > 0, t.expect_fresh_countdown);
    EXPECT_EQ(rig.messages(), t.expect_messages);
    EXPECT_EQ(rig.sinks.shown, t.expect_shown);
    // Whatever the cursor, the timer is stopped while a message is open.
    for (const auto& box : rig.boxes.boxes) EXPECT_EQ(box.timer_period, kPaused);
}

TEST(ReaderPaging, CursorTransitions) {
    const std::vector<Transition> table = {
        {"tick while not reading does nothing", kBook, 0, 0, kRunning, Op::Tick, 1,
         0, 0, kRunning, false, {}, {}},
        {"tick moves to the next segment", kBook, 1, 1, kRunning, Op::Tick, 1,
         1, 2, kRunning, false, {}, {"caption:klmnopqrst"}},
        {"tick after the last segment moves to the next line", kBook, 1, 3, kRunning, Op::Tick, 1,
         2, 1, kRunning, false, {}, {"caption:second"}},
        {"tick at the end of the book stops and says so", kBook, 2, 1, kRunning, Op::Tick, 1,
         2, 1, kPaused, false, {kEnd}, {"caption:second"}},
        {"step forward while paused runs the timer again", kBook, 1, 1, kPaused, Op::StepForward, 1,
         1, 2, kRunning, true, {}, {"caption:klmnopqrst"}},
        {"step forward at the end re-arms after the message", kBook, 2, 1, kRunning,
         Op::StepForward, 1, 2, 1, kRunning, true, {kEnd}, {"caption:second"}},
        {"step back within a line", kBook, 1, 3, kRunning, Op::StepBack, 1,
         1, 2, kRunning, true, {}, {"caption:klmnopqrst"}},
        {"step back onto the last segment of the line before", kBook, 2, 1, kRunning, Op::StepBack, 1,
         1, 3, kRunning, true, {}, {"caption:uvwxy"}},
        {"step back at the first page", kBook, 1, 1, kRunning, Op::StepBack, 1,
         1, 1, kRunning, true, {kFirst}, {"caption:abcdefghij"}},
        {"step forward onto an empty line skips past it", kGappedBook, 1, 1, kRunning,
         Op::StepForward, 1, 3, 1, kRunning, true, {}, {}},
        {"step back onto an empty line skips to the line before", kGappedBook, 3, 1, kRunning,
         Op::StepBack, 1, 1, 1, kRunning, true, {}, {}},
        {"forward skip off the last line is not made", kGappedBook, 3, 2, kRunning,
         Op::StepForward, 1, 4, 1, kRunning, true, {}, {}},
        {"backward skip off the first line is not made: reading halts", {"", "abc"}, 2, 1, kRunning,
         Op::StepBack, 1, 1, 0, kRunning, true, {}, {}},
        {"step while idle makes no skip", kGappedBook, 0, 0, kRunning, Op::StepForward, 1,
         0, 0, kRunning, false, {}, {}},
        {"step back while idle makes no skip", kGappedBook, 0, 0, kRunning, Op::StepBack, 1,
         0, 0, kRunning, false, {}, {}},
        {"halted: tick does nothing", kGappedBook, 2, 0, kRunning, Op::Tick, 1,
         2, 0, kRunning, false, {}, {}},
        {"halted: forward skip leaves it", kGappedBook, 2, 0, kRunning, Op::StepForward, 1,
         3, 1, kRunning, false, {}, {}},
        {"halted: backward skip leaves it", kGappedBook, 2, 0, kRunning, Op::StepBack, 1,
         1, 1, kRunning, false, {}, {}},
        {"halted with the timer stopped stays halted", kGappedBook, 2, 0, kPaused, Op::StepForward, 1,
         2, 0, kPaused, false, {}, {}},
        {"jump while reading", kBook, 1, 2, kRunning, Op::Jump, 2,
         2, 1, kRunning, false, {}, {}},
        {"jump while not reading does nothing", kBook, 0, 0, kRunning, Op::Jump, 2,
         0, 0, kRunning, false, {}, {}},
        {"jump beyond the book is not taken", kBook, 1, 2, kRunning, Op::Jump, 3,
         1, 2, kRunning, false, {}, {}},
        {"jump to line 0 is not taken", kBook, 1, 2, kRunning, Op::Jump, 0,
         1, 2, kRunning, false, {}, {}},
        {"exit from any cursor", kBook, 2, 1, kRunning, Op::Exit, 1,
         0, 0, kPaused, false, {}, {"caption:控制面板", "tray:"}},
        {"resume while paused", kBook, 1, 2, kPaused, Op::Resume, 1,
         1, 2, kRunning, true, {}, {}},
        {"resume while not reading does nothing", kBook, 0, 0, kPaused, Op::Resume, 1,
         0, 0, kPaused, false, {}, {}},
        {"pause while not reading only stops the timer", kBook, 0, 0, kRunning, Op::Stop, 1,
         0, 0, kPaused, false, {}, {}},
    };
    for (const auto& t : table) check(t);
}

// Cursors that a bookmark, a book without lines or a changed width can bring
// about: nothing is read outside the arrays (the sanitizer run shows it), and
// each operation does the sound thing.
TEST(ReaderPaging, CursorsOutsideTheArrays) {
    const std::vector<Transition> table = {
        {"no book: tick reports the end", {}, 1, 1, kRunning, Op::Tick, 1,
         1, 1, kPaused, false, {kEnd}, {}},
        {"no book: step back reports the first page", {}, 1, 1, kRunning, Op::StepBack, 1,
         1, 1, kRunning, true, {kFirst}, {}},
        {"no book: show and rearm leaves a stopped timer stopped", {}, 1, 1, kPaused,
         Op::ShowAndRearm, 1, 1, 1, kPaused, false, {}, {}},
        {"no book, idle: forward skip from line 0 is not made", {}, 0, 0, kRunning,
         Op::StepForward, 1, 0, 0, kRunning, false, {}, {}},
        {"no book, idle: backward skip from line 0 is not made", {}, 0, 0, kRunning,
         Op::StepBack, 1, 0, 0, kRunning, false, {}, {}},
        {"bookmark beyond the book: tick reports the end", kBook, 7, 3, kRunning, Op::Tick, 1,
         7, 3, kPaused, false, {kEnd}, {}},
        {"bookmark beyond the book: step forward makes no skip", kBook, 7, 3, kPaused,
         Op::StepForward, 1, 7, 3, kRunning, true, {kEnd}, {}},
        {"bookmark just past the end: step back lands on the last line", kBook, 3, 1, kRunning,
         Op::StepBack, 1, 2, 1, kRunning, true, {}, {"caption:second"}},
        {"bookmark far beyond the book: step back halts off the book", kBook, 7, 1, kRunning,
         Op::StepBack, 1, 6, 0, kRunning, true, {}, {}},
        {"bookmark beyond the book: show and rearm shows nothing", kBook, 7, 1, kRunning,
         Op::ShowAndRearm, 1, 7, 1, kRunning, false, {}, {}},
        {"segment beyond the line: tick moves on to the next line", kBook, 1, 9, kRunning,
         Op::Tick, 1, 2, 1, kRunning, false, {}, {"caption:second"}},
        {"segment beyond the line: show and rearm leaves the timer paused", kBook, 1, 9, kPaused,
         Op::ShowAndRearm, 1, 1, 9, kPaused, false, {}, {}},
        {"segment beyond the line: show and rearm keeps the countdown", kBook, 1, 9, kRunning,
         Op::ShowAndRearm, 1, 1, 9, kRunning, false, {}, {}},
        {"segment beyond the line: step back shows nothing", kBook, 1, 9, kRunning, Op::StepBack, 1,
         1, 8, kRunning, true, {}, {}},
        {"empty first line: show and rearm starts the timer", {"", "abc"}, 1, 1, kPaused,
         Op::ShowAndRearm, 1, 1, 1, kRunning, true, {}, {}},
        {"negative line: tick does nothing", kBook, -2, 3, kRunning, Op::Tick, 1,
         -2, 3, kRunning, false, {}, {}},
        {"negative line: no skip forward", kBook, -2, 3, kRunning, Op::StepForward, 1,
         -2, 3, kRunning, false, {}, {}},
        {"negative line: no skip back", kBook, -2, 3, kRunning, Op::StepBack, 1,
         -2, 3, kRunning, false, {}, {}},
        {"negative segment: show and rearm shows nothing", kBook, 1, -4, kPaused, Op::ShowAndRearm, 1,
         1, -4, kPaused, false, {}, {}},
        {"largest cursor: tick reports the end without overflow", kBook, kMaxInt, kMaxInt, kRunning,
         Op::Tick, 1, kMaxInt, kMaxInt, kPaused, false, {kEnd}, {}},
        {"largest cursor: step forward without overflow", kBook, kMaxInt, kMaxInt, kRunning,
         Op::StepForward, 1, kMaxInt, kMaxInt, kRunning, true, {kEnd}, {}},
    };
    for (const auto& t : table) check(t);
}

TEST(ReaderPaging, MessagesUseTheInformationBox) {
    ReaderRig rig(kBook);
    rig.set_cursor(2, 1);
    rig.timer.preset(kRunning);
    rig.reader.timer_tick();
    rig.set_cursor(1, 1);
    rig.reader.step_back();
    ASSERT_EQ(rig.boxes.boxes.size(), 2u);
    for (const auto& box : rig.boxes.boxes) {
        EXPECT_EQ(box.title, "信息：");
        EXPECT_EQ(box.buttons, MessageButtons::Ok);
        EXPECT_EQ(box.icon, MessageIcon::None);
    }
}

// Runs ops in order and returns what was shown.
Shown shown_after(ReaderRig& rig, const std::vector<Op>& ops) {
    rig.sinks.shown.clear();
    for (const Op op : ops) run(rig.reader, op);
    return rig.sinks.shown;
}

TEST(ReaderPaging, ReadingThroughLines) {
    ReaderRig rig(kBook);
    rig.set_cursor(1, 1);
    EXPECT_EQ(shown_after(rig, {Op::ShowAndRearm, Op::Tick, Op::Tick, Op::Tick}),
              (Shown{"caption:abcdefghij", "caption:klmnopqrst", "caption:uvwxy", "caption:second"}));
}

TEST(ReaderPaging, EmptyLineShowsNothingThenTheNextLine) {
    ReaderRig rig({"abc", "", "xyz"});
    rig.set_cursor(1, 1);
    rig.timer.preset(kRunning);
    EXPECT_EQ(shown_after(rig, {Op::Tick}), Shown{});
    EXPECT_EQ(rig.state.current_line, 2);
    EXPECT_EQ(shown_after(rig, {Op::Tick}), Shown{"caption:xyz"});
}

TEST(ReaderPaging, AfterTheForwardSkipTheNextTickShowsTheFollowingSegment) {
    struct Case {
        const char* name;
        Lines book;
        Shown expected;
    };
    const std::vector<Case> cases = {
        {"line after the gap has two segments", kGappedBook, {"caption:abcdefghij"}},
        {"line after the gap has one segment", {"abc", "", "xyz", "last"}, {"caption:last"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ReaderRig rig(c.book);
        rig.set_cursor(1, 1);
        rig.timer.preset(kRunning);
        EXPECT_EQ(shown_after(rig, {Op::StepForward}), Shown{});
        EXPECT_EQ(shown_after(rig, {Op::Tick}), c.expected);
    }
}

TEST(ReaderPaging, WidthChangeBetweenTicks) {
    // 40 bytes: four segments at width 10, two at width 20, eight at width 5.
    const Lines book = {"0123456789abcdefghijklmnopqrstuvwxyzABCD", "next"};
    struct Case {
        const char* name;
        std::int32_t segment;  // reached by a tick at width 10
        std::int32_t new_width;
        Shown expected;
    };
    const std::vector<Case> cases = {
        {"widening at segment 4 of a line now 2 long moves on", 4, 20, {"caption:next"}},
        {"narrowing keeps the number in the finer cut", 2, 5, {"caption:abcde"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ReaderRig rig(book);
        rig.set_cursor(1, c.segment - 1);
        rig.timer.preset(kRunning);
        rig.reader.timer_tick();
        ASSERT_EQ(rig.state.current_segment, c.segment);
        rig.controls.width = c.new_width;
        EXPECT_EQ(shown_after(rig, {Op::Tick}), c.expected);
    }
}

TEST(ReaderPaging, AfterAJump) {
    // Width 10: line 1 is [line one t] [ext!], line 2 [0123456789] [abcdefghij].
    const Lines book = {"line one text!", "0123456789abcdefghij", "x", "y"};
    struct Case {
        const char* name;
        std::int32_t target;
        Op then;
        Shown expected;
    };
    const std::vector<Case> cases = {
        {"tick shows segment 2 of the target", 2, Op::Tick, {"caption:abcdefghij"}},
        {"step forward shows segment 2 of the target", 2, Op::StepForward, {"caption:abcdefghij"}},
        {"a one-segment target: the line after it", 3, Op::Tick, {"caption:y"}},
        {"step back shows the last segment of the line before", 2, Op::StepBack, {"caption:ext!"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ReaderRig rig(book);
        rig.set_cursor(4, 1);
        rig.timer.preset(kRunning);
        rig.controls.jump = c.target;
        EXPECT_EQ(shown_after(rig, {Op::Jump}), Shown{});
        EXPECT_EQ(rig.timer.writes, std::vector<std::int32_t>{});
        EXPECT_EQ(shown_after(rig, {c.then}), c.expected);
    }
}

TEST(ReaderPaging, EndOfBookTwiceThenStopped) {
    ReaderRig rig(kBook);
    rig.set_cursor(2, 1);
    rig.timer.preset(kRunning);
    rig.reader.step_forward();
    EXPECT_EQ(rig.messages(), std::vector<std::string>{kEnd});
    EXPECT_EQ(rig.timer.period(), kRunning);
    rig.reader.timer_tick();  // one dwell period later
    EXPECT_EQ(rig.messages(), (std::vector<std::string>{kEnd, kEnd}));
    EXPECT_EQ(rig.timer.period(), kPaused);
    EXPECT_EQ(rig.state.current_line, 2);
    EXPECT_EQ(rig.state.current_segment, 1);
}

TEST(ReaderPaging, FirstPageThenTheTickAdvances) {
    ReaderRig rig(kBook);
    rig.set_cursor(1, 1);
    rig.timer.preset(kRunning);
    rig.reader.step_back();
    EXPECT_EQ(rig.messages(), std::vector<std::string>{kFirst});
    EXPECT_EQ(rig.timer.period(), kRunning);
    EXPECT_EQ(shown_after(rig, {Op::Tick}), Shown{"caption:klmnopqrst"});
}

TEST(ReaderPaging, ExitKeepsTheBookForALaterBookmark) {
    ReaderRig rig(kBook);
    rig.set_cursor(1, 2);
    rig.reader.exit_reading();
    EXPECT_EQ(rig.state.book_lines.size(), 2u);
    rig.set_cursor(1, 2);  // a bookmark resumed
    EXPECT_EQ(shown_after(rig, {Op::Tick}), Shown{"caption:uvwxy"});
}

TEST(ReaderPaging, SamePeriodLeavesARunningCountdownAlone) {
    struct Case {
        const char* name;
        Op op;
    };
    for (const Case& c : {Case{"resume while running", Op::Resume},
                          Case{"show and rearm while running", Op::ShowAndRearm}}) {
        SCOPED_TRACE(c.name);
        ReaderRig rig(kBook);
        rig.set_cursor(1, 1);
        rig.timer.preset(kRunning);
        run(rig.reader, c.op);
        EXPECT_EQ(rig.timer.writes, std::vector<std::int32_t>{kRunning});
        EXPECT_EQ(rig.timer.countdown_starts, 0);
        EXPECT_EQ(rig.state.current_segment, 1);
    }
}

TEST(ReaderPaging, ArmTimerKeepsThePeriodInRange) {
    struct Case {
        const char* name;
        std::int32_t dwell;
        std::int32_t expected;
    };
    const std::vector<Case> cases = {
        {"ordinary dwell", 7, 7000},
        {"dwell too large for milliseconds saturates", 3'000'000, kMaxInt},
        {"negative dwell stops", -3, 0},
    };
    for (const auto& c : cases) {
        ReaderRig rig;
        rig.controls.dwell = c.dwell;
        rig.reader.arm_timer();
        EXPECT_EQ(rig.timer.writes, std::vector<std::int32_t>{c.expected}) << c.name;
    }
}

// While a message box is open its loop goes on dispatching hot keys and tray
// commands; whatever they do to the state, the operation that opened the box
// must go on without reading outside the arrays.
TEST(ReaderPaging, OperationsWhileAMessageIsOpen) {
    struct Case {
        const char* name;
        std::function<void(ReaderRig&)> while_open;
        Shown expected_after_box;
    };
    const std::vector<Case> cases = {
        {"exit", [](ReaderRig& r) { r.reader.exit_reading(); }, {}},
        {"book without lines opened",
         [](ReaderRig& r) {
             r.reader.replace_book(TextArray());
             r.set_cursor(1, 1);
         },
         {"caption:second"}},
        {"step back", [](ReaderRig& r) { r.reader.step_back(); }, {"caption:uvwxy"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ReaderRig rig(kBook);
        rig.set_cursor(2, 1);
        rig.timer.preset(kRunning);
        bool opened = false;
        rig.boxes.while_open = [&] {
            if (opened) return;
            opened = true;
            c.while_open(rig);
            rig.sinks.shown.clear();
        };
        rig.reader.step_forward();
        EXPECT_TRUE(opened);
        EXPECT_EQ(rig.sinks.shown, c.expected_after_box);
        EXPECT_EQ(rig.timer.period(), kRunning);
    }
}

}  // namespace
}  // namespace tq
