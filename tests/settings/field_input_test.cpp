#include "settings/field_input.h"

#include <gtest/gtest.h>

namespace tq {
namespace {

TEST(TypingFilter, DigitsMinusAndControlCharactersPass) {
    struct Case {
        const char* name;
        std::uint32_t code;
        bool passes;
    };
    const Case cases[] = {
        {"Zero", '0', true},          {"Nine", '9', true},         {"Minus", '-', true},
        {"Backspace", 0x08, true},    {"CtrlV", 0x16, true},       {"CtrlC", 0x03, true},
        {"Space", ' ', false},        {"Plus", '+', false},        {"Letter", 'a', false},
        {"Dot", '.', false},          {"Delete", 0x7F, false},     {"LeadByte", 0xA3, false},
        {"UnicodeDigit", 0xFF10, false},
    };
    for (const Case& c : cases) EXPECT_EQ(typed_character_passes(c.code), c.passes) << c.name;
}

struct StepCase {
    const char* name;
    Text text;
    FieldLimits limits;
    SpinDirection direction;
    Text next;
};

class SpinnerStep : public testing::TestWithParam<StepCase> {};

TEST_P(SpinnerStep, MovesByOneAndWrapsAtTheRange) {
    const StepCase& c = GetParam();
    EXPECT_EQ(spinner_step(c.text, c.limits, c.direction), c.next);
}

constexpr auto kUp = SpinDirection::Up;
constexpr auto kDown = SpinDirection::Down;

INSTANTIATE_TEST_SUITE_P(
    Clicks, SpinnerStep,
    testing::Values(StepCase{"DwellUpToUpperLimit", "59", kDwellLimits, kUp, "60"},
                    StepCase{"DwellUpPastUpperWraps", "60", kDwellLimits, kUp, "1"},
                    StepCase{"DwellDownAtOneWraps", "1", kDwellLimits, kDown, "60"},
                    StepCase{"WidthUp", "10", kWidthLimits, kUp, "11"},
                    StepCase{"WidthDown", "10", kWidthLimits, kDown, "9"},
                    StepCase{"TrailingLetters", "5abc", kDwellLimits, kUp, "6"},
                    StepCase{"EmptyUpIsBelowRange", "", kDwellLimits, kUp, "1"},
                    StepCase{"EmptyDownWrapsToUpper", "", kDwellLimits, kDown, "60"},
                    StepCase{"FullWidthDigitsAreNoNumber", "\xA3\xB5", kDwellLimits, kUp, "1"},
                    StepCase{"NegativeUpIntoRange", "-5", kDwellLimits, kUp, "1"},
                    StepCase{"FarAboveDown", "99999999999", kWidthLimits, kDown, "32767"},
                    StepCase{"LongBookBeyond16Bits", "39999", FieldLimits{1, 40000}, kUp, "40000"},
                    StepCase{"LongBookWrapsAtItsOwnLimit", "40000", FieldLimits{1, 40000}, kUp, "1"}),
    [](const auto& info) { return info.param.name; });

TEST(SpinnerRange, IsHandedOverAsSixteenBitNumbersSmallerFirst) {
    struct Case {
        const char* name;
        FieldLimits limits;
        std::int16_t minimum, maximum;
    };
    const Case cases[] = {
        {"Width", kWidthLimits, 2, 32767},
        {"Dwell", kDwellLimits, 1, 60},
        {"OneLineBook", FieldLimits{1, 1}, 1, 1},
        {"LongBookCutTo16Bits", FieldLimits{1, 100000}, 1, 32767},
        {"SwappedLimits", FieldLimits{60, 1}, 1, 60},
    };
    for (const Case& c : cases) {
        const SpinnerRange range = spinner_range(c.limits);
        EXPECT_EQ(range.minimum, c.minimum) << c.name;
        EXPECT_EQ(range.maximum, c.maximum) << c.name;
    }
}

}  // namespace
}  // namespace tq
