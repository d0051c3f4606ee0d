#include "settings/numeric_field.h"

#include <gtest/gtest.h>

#include <functional>

#include "fakes.h"
#include "settings/field_input.h"

namespace tq {
namespace {

using test::FakeConfig;
using test::FakeTimer;

// An edit control as Win32 has it: every write of the text, by the program or
// by typing, runs the change handling synchronously before it returns, also
// when the handling itself writes. Setting the text puts the caret at the
// start with nothing selected.
class FakeEdit final : public FieldText {
public:
    explicit FakeEdit(Text text) : text_(std::move(text)) {}

    Text text() const override { return text_; }
    void set_text(const Text& text) override {
        ++program_writes;
        text_ = text;
        caret_ = 0;
        selection_end_ = 0;
        changed();
    }

    // The user's keyboard, through the typing filter.
    void select_all() {
        caret_ = 0;
        selection_end_ = text_.size();
    }
    void type(char c) {
        if (!typed_character_passes(static_cast<unsigned char>(c))) return;
        text_.replace(caret_, selection_end_ - caret_, 1, c);
        selection_end_ = ++caret_;
        changed();
    }
    void paste_all(const Text& text) {
        text_ = text;
        selection_end_ = caret_ = text_.size();
        changed();
    }

    std::function<void()> on_change;
    int program_writes = 0;
    int depth = 0;
    int deepest = 0;

private:
    void changed() {
        ++depth;
        deepest = std::max(deepest, depth);
        if (on_change) on_change();
        --depth;
    }

    Text text_;
    std::size_t caret_ = 0;
    std::size_t selection_end_ = 0;
};

struct WidthCase {
    const char* name;
    Text typed;
    Text shown;
};

class SegmentWidth : public testing::TestWithParam<WidthCase> {};

TEST_P(SegmentWidth, StandsOrBecomesTheLowerLimitAndIsStored) {
    FakeEdit edit("10");
    NumericField width(edit, kWidthLimits);
    FakeConfig config;
    edit.on_change = [&] { apply_segment_width(width, config); };

    edit.paste_all(GetParam().typed);

    EXPECT_EQ(edit.text(), GetParam().shown);
    ASSERT_EQ(config.writes.size(), 1u) << "stored once per change";
    EXPECT_EQ(config.writes[0], (FakeConfig::Write{"初始化", "单次显示字数", GetParam().shown}));
    EXPECT_LE(edit.program_writes, 1) << "the replacement is made once";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SegmentWidth,
    testing::Values(WidthCase{"One", "1", "2"}, WidthCase{"Zero", "0", "2"},
                    WidthCase{"Negative", "-3", "2"}, WidthCase{"NotANumber", "abc", "2"},
                    WidthCase{"UpperLimit", "32767", "2"}, WidthCase{"Empty", "", "2"},
                    WidthCase{"LowerLimitStays", "2", "2"}, WidthCase{"Three", "3", "3"},
                    WidthCase{"Forty", "40", "40"}, WidthCase{"BelowUpperLimit", "32766", "32766"},
                    WidthCase{"LeadingZerosKept", "007", "007"},
                    WidthCase{"FullWidthDigitsKept", "\xA3\xB4\xA3\xB0", "\xA3\xB4\xA3\xB0"},
                    WidthCase{"BeyondInt32", "99999999999", "2"},
                    WidthCase{"BelowInt32", "-99999999999", "2"}),
    [](const auto& info) { return info.param.name; });

struct DwellCase {
    const char* name;
    Text typed;
    Text shown;
    std::int32_t period;
};

class DwellTime : public testing::TestWithParam<DwellCase> {};

TEST_P(DwellTime, ArmsTheTimerOnceThenStores) {
    FakeEdit edit("1");
    NumericField dwell(edit, kDwellLimits);
    FakeConfig config;
    FakeTimer timer;
    edit.on_change = [&] { apply_dwell_time(dwell, timer, config); };

    edit.paste_all(GetParam().typed);

    EXPECT_EQ(edit.text(), GetParam().shown);
    EXPECT_EQ(timer.periods, std::vector<std::int32_t>{GetParam().period});
    ASSERT_EQ(config.writes.size(), 1u);
    EXPECT_EQ(config.writes[0], (FakeConfig::Write{"初始化", "停留时间", GetParam().shown}));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DwellTime,
    testing::Values(DwellCase{"FiftyNineStands", "59", "59", 59000},
                    DwellCase{"SixtyIsTheUpperLimit", "60", "1", 1000},
                    DwellCase{"NinetyFromAHandEditedFile", "90", "1", 1000},
                    DwellCase{"TrailingLettersStand", "5abc", "5abc", 5000},
                    DwellCase{"LowerLimit", "1", "1", 1000}, DwellCase{"Empty", "", "1", 1000}),
    [](const auto& info) { return info.param.name; });

TEST(Replacement, NestedRunIsStoppedAndTheOuterRunFinishesOnceWithTheLowerLimit) {
    FakeEdit edit("1");
    NumericField dwell(edit, kDwellLimits);
    FakeConfig config;
    FakeTimer timer;
    edit.on_change = [&] { apply_dwell_time(dwell, timer, config); };

    // The start-up write of an empty file's default: the lower limit itself.
    edit.set_text("1");

    EXPECT_EQ(edit.text(), "1");
    EXPECT_EQ(edit.program_writes, 2) << "the start-up write and one replacement, no more";
    EXPECT_EQ(edit.deepest, 2) << "the replacement re-entered the handling exactly once";
    EXPECT_EQ(timer.periods, std::vector<std::int32_t>{1000});
    EXPECT_EQ(config.writes, (std::vector<FakeConfig::Write>{{"初始化", "停留时间", "1"}}));

    // The mark is gone afterwards: the next change is tested again.
    edit.paste_all("0");
    EXPECT_EQ(edit.text(), "1");
    EXPECT_EQ(timer.periods.size(), 2u);
    EXPECT_EQ(config.writes.size(), 2u);
}

// A text holder that does not raise the handling on writes still gets the
// steps after the test, with the lower limit.
class SilentText final : public FieldText {
public:
    Text text() const override { return text_; }
    void set_text(const Text& text) override { text_ = text; }
    Text text_ = "0";
};

TEST(Replacement, StepsRunAlsoWhenTheWriteRaisesNoChange) {
    SilentText text;
    NumericField width(text, kWidthLimits);
    FakeConfig config;
    apply_segment_width(width, config);
    EXPECT_EQ(text.text(), "2");
    EXPECT_EQ(config.writes, (std::vector<FakeConfig::Write>{{"初始化", "单次显示字数", "2"}}));
}

TEST(Typing, SelectAllThenTwoThenZeroEndsWithTwo) {
    FakeEdit edit("10");
    NumericField width(edit, kWidthLimits);
    FakeConfig config;
    edit.on_change = [&] { apply_segment_width(width, config); };

    edit.select_all();
    edit.type('2');  // "2" is the lower limit: replaced, the caret goes to the start
    edit.type('0');  // lands in front: "02", value 2, replaced again
    EXPECT_EQ(edit.text(), "2");
    EXPECT_EQ(config.values.at({"初始化", "单次显示字数"}), "2");

    edit.type('x');  // dropped by the filter: no change, no handling
    EXPECT_EQ(edit.text(), "2");
    EXPECT_EQ(config.writes.size(), 2u);
}

TEST(Typing, DeletingEverythingPutsTheLowerLimitBack) {
    FakeEdit edit("10");
    NumericField width(edit, kWidthLimits);
    FakeConfig config;
    edit.on_change = [&] { apply_segment_width(width, config); };
    edit.paste_all("");
    EXPECT_EQ(edit.text(), "2");
}

struct JumpCase {
    const char* name;
    std::int32_t line_count;
    Text typed;
    Text shown;
};

class JumpLine : public testing::TestWithParam<JumpCase> {};

TEST_P(JumpLine, StandsBelowTheBooksLineCount) {
    FakeEdit edit("1");
    NumericField jump(edit, kJumpLimits);
    FakeConfig config;
    edit.on_change = [&] { apply_jump_line(jump); };
    // Opening a book: "1" first, then the new limit.
    edit.set_text("1");
    if (GetParam().line_count > 0) jump.set_upper_limit(GetParam().line_count);

    edit.paste_all(GetParam().typed);

    EXPECT_EQ(edit.text(), GetParam().shown);
    EXPECT_TRUE(config.writes.empty()) << "the jump field is never stored";
}

INSTANTIATE_TEST_SUITE_P(
    Books, JumpLine,
    testing::Values(JumpCase{"NinetyNineOfHundred", 100, "99", "99"},
                    JumpCase{"HundredOfHundred", 100, "100", "1"},
                    JumpCase{"BeyondTheBook", 100, "150", "1"}, JumpCase{"Zero", 100, "0", "1"},
                    JumpCase{"OneLineBookTwo", 1, "2", "1"}, JumpCase{"OneLineBookOne", 1, "1", "1"},
                    JumpCase{"OneLineBookZero", 1, "0", "1"},
                    JumpCase{"NoBookYet", 0, "32766", "32766"},
                    JumpCase{"NoBookYetUpperLimit", 0, "32767", "1"},
                    JumpCase{"LongBook", 40000, "39999", "39999"}),
    [](const auto& info) { return info.param.name; });

TEST(JumpLine, ChangingTheLimitDoesNotRetestTheText) {
    FakeEdit edit("500");
    NumericField jump(edit, kJumpLimits);
    edit.on_change = [&] { apply_jump_line(jump); };
    jump.set_upper_limit(100);
    EXPECT_EQ(edit.text(), "500");
    EXPECT_EQ(edit.program_writes, 0);
}

TEST(Spinner, DwellUpAtFiftyNineAndDownAtOneBothEndAtOne) {
    struct Click {
        const char* name;
        Text before;
        SpinDirection direction;
    };
    for (const Click& click : {Click{"UpFromFiftyNine", "59", SpinDirection::Up},
                               Click{"DownFromOne", "1", SpinDirection::Down}}) {
        SCOPED_TRACE(click.name);
        FakeEdit edit(click.before);
        NumericField dwell(edit, kDwellLimits);
        FakeConfig config;
        FakeTimer timer;
        edit.on_change = [&] { apply_dwell_time(dwell, timer, config); };

        const Text next = spinner_step(edit.text(), dwell.limits(), click.direction);
        EXPECT_EQ(next, "60");
        edit.set_text(next);

        EXPECT_EQ(edit.text(), "1");
        EXPECT_EQ(timer.periods, std::vector<std::int32_t>{1000});
        EXPECT_EQ(config.writes, (std::vector<FakeConfig::Write>{{"初始化", "停留时间", "1"}}));
    }
}

}  // namespace
}  // namespace tq
