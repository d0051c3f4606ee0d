#include "settings/bookmarks.h"

#include <gtest/gtest.h>

#include "fakes.h"

namespace tq {
namespace {

using test::FakeConfig;
using test::FakeMessageBoxes;

// The list's selection; it may change between two reads, which shows that
// each step reads it afresh.
class FakeSelection final : public SelectedBook {
public:
    Text selected_name() const override {
        ++reads;
        if (!names.empty()) {
            Text next = names.front();
            if (names.size() > 1) names.erase(names.begin());
            return next;
        }
        return {};
    }
    mutable std::vector<Text> names;
    mutable int reads = 0;
};

class FakeButton final : public ButtonEnabler {
public:
    void set_enabled(bool enabled) override { states.push_back(enabled); }
    std::vector<bool> states;
};

ReadingState reading_at(std::int32_t line, std::int32_t segment, std::size_t lines_in_book) {
    ReadingState state;
    for (std::size_t i = 0; i < lines_in_book; ++i) state.book_lines.push_back("一行");
    state.current_line = line;
    state.current_segment = segment;
    return state;
}

TEST(SaveBookmark, WritesBothKeysUnderTheSelectedName) {
    const ReadingState state = reading_at(12, 3, 20);
    FakeSelection selection;
    selection.names = {"甲.txt"};
    FakeConfig config;
    FakeMessageBoxes boxes;

    save_bookmark(state, selection, config, boxes);

    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(config.writes, (std::vector<FakeConfig::Write>{{"甲.txt", "行数", "12"},
                                                             {"甲.txt", "当行段数", "3"}}));
}

TEST(SaveBookmark, ReadsTheSelectionAfreshForEachKey) {
    const ReadingState state = reading_at(7, 2, 20);
    FakeSelection selection;
    selection.names = {"甲.txt", "乙.txt"};
    FakeConfig config;
    FakeMessageBoxes boxes;
    save_bookmark(state, selection, config, boxes);
    EXPECT_EQ(config.writes, (std::vector<FakeConfig::Write>{{"甲.txt", "行数", "7"},
                                                             {"乙.txt", "当行段数", "2"}}));
}

TEST(SaveBookmark, RefusesACursorWithAZero) {
    struct Case {
        const char* name;
        std::int32_t line, segment;
    };
    for (const Case& c : {Case{"NotReading", 0, 0}, Case{"LineZero", 0, 4}, Case{"SegmentZero", 9, 0}}) {
        SCOPED_TRACE(c.name);
        const ReadingState state = reading_at(c.line, c.segment, 20);
        FakeSelection selection;
        selection.names = {"甲.txt"};
        FakeConfig config;
        FakeMessageBoxes boxes;

        save_bookmark(state, selection, config, boxes);

        EXPECT_TRUE(config.writes.empty());
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].text, "当前书签没有有效值，请确认是否在阅读");
        EXPECT_EQ(boxes.shown[0].title, "提示");
        EXPECT_EQ(boxes.shown[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(boxes.shown[0].icon, MessageIcon::Exclamation);
    }
}

TEST(SaveBookmark, WritesNothingWithNoBookSelected) {
    const ReadingState state = reading_at(5, 1, 20);
    FakeSelection selection;  // nothing selected
    FakeConfig config;
    FakeMessageBoxes boxes;
    save_bookmark(state, selection, config, boxes);
    EXPECT_TRUE(config.writes.empty());
    EXPECT_TRUE(boxes.shown.empty());
}

struct StartCase {
    const char* name;
    std::optional<Text> stored_line;
    std::optional<Text> stored_segment;
    std::size_t lines_in_book;
    std::int32_t line, segment;
};

class StartFromBookmark : public testing::TestWithParam<StartCase> {};

TEST_P(StartFromBookmark, SetsTheCursorInsideTheOpenBook) {
    const StartCase& c = GetParam();
    ReadingState state = reading_at(1, 1, c.lines_in_book);
    FakeSelection selection;
    selection.names = {"甲.txt"};
    FakeConfig config;
    if (c.stored_line) config.values[{"甲.txt", "行数"}] = *c.stored_line;
    if (c.stored_segment) config.values[{"甲.txt", "当行段数"}] = *c.stored_segment;

    start_from_bookmark(state, selection, config);

    EXPECT_EQ(state.current_line, c.line);
    EXPECT_EQ(state.current_segment, c.segment);
    EXPECT_TRUE(config.writes.empty());
    EXPECT_LE(static_cast<std::size_t>(std::max(state.current_line, 0)), state.book_lines.size());
}

INSTANTIATE_TEST_SUITE_P(
    Marks, StartFromBookmark,
    testing::Values(
        StartCase{"Saved", Text("12"), Text("3"), 20, 12, 3},
        StartCase{"SegmentMissingDefaultsToOne", Text("12"), std::nullopt, 20, 12, 1},
        StartCase{"NothingSavedDefaultsToOne", std::nullopt, std::nullopt, 20, 1, 1},
        StartCase{"SegmentBeyondTheLineIsKept", Text("4"), Text("99"), 20, 4, 99},
        StartCase{"LastLine", Text("20"), Text("2"), 20, 20, 2},
        StartCase{"BookShortenedClampsToLastLine", Text("500"), Text("2"), 20, 20, 2},
        StartCase{"HugeLineClamps", Text("99999999999"), Text("1"), 20, 20, 1},
        StartCase{"NoBookOpenGivesNonReadingCursor", Text("12"), Text("3"), 0, 0, 0},
        StartCase{"ZeroLineIsNonReading", Text("0"), Text("3"), 20, 0, 0},
        StartCase{"NegativeLineStaysNonReading", Text("-4"), Text("3"), 20, -4, 3},
        StartCase{"FullWidthDigits", Text("\xA3\xB1\xA3\xB2"), Text("\xA3\xB3"), 20, 12, 3}),
    [](const auto& info) { return info.param.name; });

TEST(StartFromBookmarkSelection, NoBookSelectedGivesNonReadingCursor) {
    ReadingState state = reading_at(6, 2, 20);
    FakeSelection selection;
    FakeConfig config;
    config.values[{"", "行数"}] = "12";  // must not be found through an empty name
    start_from_bookmark(state, selection, config);
    EXPECT_EQ(state.current_line, 0);
    EXPECT_EQ(state.current_segment, 0);
}

TEST(UpdateBookmarkButton, EnabledOnlyForANonEmptyLine) {
    struct Case {
        const char* name;
        std::optional<Text> line;
        std::optional<Text> segment;
        bool enabled;
    };
    const Case cases[] = {
        {"BothKeys", Text("12"), Text("3"), true},
        {"LineOnly", Text("12"), std::nullopt, true},
        {"SegmentOnly", std::nullopt, Text("3"), false},
        {"EmptyLine", Text(""), Text("3"), false},
        {"NoSection", std::nullopt, std::nullopt, false},
    };
    for (const Case& c : cases) {
        FakeSelection selection;
        selection.names = {"甲.txt"};
        FakeConfig config;
        if (c.line) config.values[{"甲.txt", "行数"}] = *c.line;
        if (c.segment) config.values[{"甲.txt", "当行段数"}] = *c.segment;
        FakeButton button;
        update_bookmark_button(selection, config, button);
        EXPECT_EQ(button.states, std::vector<bool>{c.enabled}) << c.name;
    }
}

TEST(UpdateBookmarkButton, SavingThenReselectingEnablesIt) {
    const ReadingState state = reading_at(3, 1, 20);
    FakeSelection selection;
    selection.names = {"甲.txt"};
    FakeConfig config;
    FakeMessageBoxes boxes;
    FakeButton button;
    update_bookmark_button(selection, config, button);
    save_bookmark(state, selection, config, boxes);
    update_bookmark_button(selection, config, button);
    EXPECT_EQ(button.states, (std::vector<bool>{false, true}));
}

}  // namespace
}  // namespace tq
