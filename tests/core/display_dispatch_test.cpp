#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/reader.h"
#include "tests/core/reader_fakes.h"

namespace tq {
namespace {

using testing::ReaderRig;
using Lines = std::vector<std::string>;
using Shown = std::vector<std::string>;

constexpr std::int32_t kRunning = 5000;

// Width 10: [第一章天地] (10 bytes), [  spaced  ].
const Lines kBook = {"第一章天地  spaced  ", "", "tail"};

TEST(DisplayDispatch, EachModeHasItsSink) {
    struct Case {
        const char* name;
        DisplayMode mode;
        std::int32_t balloon_x, balloon_y;
        Shown expected;
    };
    const std::vector<Case> cases = {
        {"tray tip", DisplayMode::TrayTip, 0, 0, {"tray:  spaced  "}},
        {"balloon before any double-click points at (0,0)", DisplayMode::Balloon, 0, 0,
         {"balloon(0,0):  spaced  "}},
        {"balloon at the last double-click", DisplayMode::Balloon, 1210, -35,
         {"balloon(1210,-35):  spaced  "}},
        {"caption", DisplayMode::Caption, 0, 0, {"caption:  spaced  "}},
        {"none checked shows nothing", DisplayMode::None, 0, 0, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ReaderRig rig(kBook);
        rig.controls.mode = c.mode;
        rig.state.balloon_x = c.balloon_x;
        rig.state.balloon_y = c.balloon_y;
        rig.set_cursor(1, 1);
        rig.reader.timer_tick();  // the segment goes over unchanged, blanks and all
        EXPECT_EQ(rig.sinks.shown, c.expected);
    }
}

TEST(DisplayDispatch, EmptyLineShowsNothingInEveryMode) {
    for (const DisplayMode mode : {DisplayMode::TrayTip, DisplayMode::Balloon, DisplayMode::Caption}) {
        ReaderRig rig(kBook);
        rig.controls.mode = mode;
        rig.set_cursor(2, 1);
        rig.reader.show_and_rearm();
        rig.reader.show_current_segment();
        EXPECT_EQ(rig.sinks.shown, Shown{}) << "mode " << static_cast<int>(mode);
        EXPECT_EQ(rig.timer.period(), kRunning);
    }
}

TEST(DisplayDispatch, NoModeCheckedStillAdvances) {
    ReaderRig rig(kBook);
    rig.controls.mode = DisplayMode::None;
    rig.set_cursor(1, 1);
    rig.reader.show_and_rearm();
    rig.reader.timer_tick();
    rig.reader.timer_tick();
    EXPECT_EQ(rig.state.current_line, 2);
    EXPECT_EQ(rig.state.current_segment, 1);
    EXPECT_EQ(rig.sinks.shown, Shown{});
}

TEST(DisplayDispatch, SwitchingModesWhileReading) {
    ReaderRig rig(kBook);
    rig.set_cursor(1, 1);
    rig.reader.show_and_rearm();
    rig.controls.mode = DisplayMode::TrayTip;
    rig.reader.timer_tick();
    EXPECT_EQ(rig.sinks.shown, (Shown{"caption:第一章天地", "tray:  spaced  "}));
}

TEST(DisplayDispatch, ShowAndRearmShowsAgainWithoutMoving) {
    ReaderRig rig(kBook);
    rig.set_cursor(1, 2);
    rig.timer.preset(kRunning);
    rig.reader.show_and_rearm();
    rig.reader.show_and_rearm();
    EXPECT_EQ(rig.sinks.shown, (Shown{"caption:  spaced  ", "caption:  spaced  "}));
    EXPECT_EQ(rig.state.current_line, 1);
    EXPECT_EQ(rig.state.current_segment, 2);
    EXPECT_EQ(rig.timer.countdown_starts, 0);
}

// The reader keeps the cut of a line while book, line and width stay; the
// result must be what a fresh cut would give.
TEST(LineCutCache, UnchangedLineIsNotCutAgain) {
    ReaderRig rig({std::string(4000, 'x')});
    rig.set_cursor(1, 1);
    rig.reader.timer_tick();
    const char* const buffer = rig.state.line_segments.storage().data();
    // A fresh cut would build its buffer while the old one is still held, so
    // an unchanged address means no cut was made.
    for (int i = 0; i < 5; ++i) rig.reader.timer_tick();
    EXPECT_EQ(rig.state.line_segments.storage().data(), buffer);
    EXPECT_EQ(rig.state.current_segment, 7);
}

TEST(LineCutCache, AnyChangeCutsAfresh) {
    struct Case {
        const char* name;
        std::function<void(ReaderRig&)> change;
        Shown expected;
    };
    const std::vector<Case> cases = {
        {"another book of the same shape",
         [](ReaderRig& r) {
             TextArray book;
             book.push_back("ABCDEFGHIJKLMNOPQRST");
             r.reader.replace_book(std::move(book));
         },
         {"caption:KLMNOPQRST"}},
        {"another width", [](ReaderRig& r) { r.controls.width = 5; }, {"caption:fghij"}},
        {"segments cleared behind the reader's back",
         [](ReaderRig& r) { r.state.line_segments = TextArray(); }, {"caption:klmnopqrst"}},
        {"another line", [](ReaderRig& r) { r.set_cursor(2, 1); }, {"caption:uvwxyz"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ReaderRig rig({"abcdefghijklmnopqrst", "0123456789uvwxyz"});
        rig.set_cursor(1, 1);
        rig.reader.show_and_rearm();
        c.change(rig);
        rig.sinks.shown.clear();
        rig.reader.timer_tick();
        EXPECT_EQ(rig.sinks.shown, c.expected);
    }
}

}  // namespace
}  // namespace tq
