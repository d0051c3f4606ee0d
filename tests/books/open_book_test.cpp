#include <gtest/gtest.h>

#include <map>
#include <new>
#include <string>
#include <vector>

#include "books/codec_iconv.h"
#include "books/open_book.h"
#include "core/reader.h"

namespace tq {
namespace {

class FakeTimer final : public ReadingTimer {
public:
    void set_period(std::int32_t milliseconds) override { period_ = milliseconds < 0 ? 0 : milliseconds; }
    std::int32_t period() const override { return period_; }

private:
    std::int32_t period_ = 0;
};

class FakeControls final : public ReaderControls {
public:
    std::int32_t segment_width() const override { return 10; }
    std::int32_t dwell_seconds() const override { return 3; }
    std::int32_t jump_target() const override { return 1; }
    DisplayMode checked_mode() const override { return mode; }
    DisplayMode mode = DisplayMode::TrayTip;
};

class FakeSinks final : public DisplaySinks {
public:
    void show_in_tray(const Text& tip) override { shown.push_back("tray:" + tip); }
    void show_in_balloon(std::int32_t, std::int32_t, const Text& text) override {
        shown.push_back("balloon:" + text);
    }
    void show_in_caption(const Text& text) override { shown.push_back("caption:" + text); }
    std::vector<std::string> shown;
};

struct Shown {
    Text text, title;
    MessageIcon icon;
};

class FakeBoxes final : public MessageBoxes {
public:
    MessageAnswer show(const Text& text, const Text& title, MessageButtons, MessageIcon icon) override {
        boxes.push_back({text, title, icon});
        return MessageAnswer::Ok;
    }
    std::vector<Shown> boxes;
};

class FakeJump final : public JumpWidgets {
public:
    void set_jump_caption(const Text& caption) override { calls.push_back("caption:" + caption); }
    void set_jump_text(const Text& text) override { calls.push_back("text:" + text); }
    void set_jump_upper_limit(std::int32_t count) override {
        calls.push_back("limit:" + std::to_string(count));
    }
    std::vector<std::string> calls;
};

// Files by path; a path not there reads as empty, as a missing file does.
class FakeFiles final : public BookFileReader {
public:
    Bytes read_whole_file(const Text& path) override {
        if (path == kHugePath) throw std::bad_alloc();
        const auto found = files.find(path);
        return found == files.end() ? Bytes() : found->second;
    }
    static inline const Text kHugePath = "C:\\书\\huge.txt";
    std::map<Text, Bytes> files;
};

std::string numbered_lines(int count) {
    std::string book;
    for (int i = 1; i <= count; ++i) book += "第" + std::to_string(i) + "行\r\n";
    return book;
}

class OpenBookTest : public testing::Test {
protected:
    void open(const Text& path) { open_book(reader, controls, path, files, codec, jump, boxes); }
    std::vector<std::string> jump_calls_for(int count) {
        return {"caption:跳转到（行）：\r\n1-" + std::to_string(count), "text:1",
                "limit:" + std::to_string(count)};
    }

    ReadingState state;
    FakeTimer timer;
    FakeControls controls;
    FakeSinks sinks;
    FakeBoxes boxes;
    FakeJump jump;
    FakeFiles files;
    IconvCodePageConverter codec;
    Reader reader{state, timer, controls, sinks, boxes};
};

TEST_F(OpenBookTest, TrayModeShowsFirstSegmentArmsTimerAndSetsJumpWidgets) {
    files.files["a.txt"] = numbered_lines(250);
    state.current_line = 7;
    state.current_segment = 3;
    open("a.txt");
    EXPECT_EQ(state.current_line, 1);
    EXPECT_EQ(state.current_segment, 1);
    ASSERT_EQ(state.book_lines.size(), 250u);
    EXPECT_EQ(state.book_lines.text(249), "第250行");
    EXPECT_EQ(sinks.shown, std::vector<std::string>{"tray:第1行"});
    EXPECT_EQ(timer.period(), 3000);
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(jump.calls, jump_calls_for(250));
}

TEST_F(OpenBookTest, CaptionModeShowsInTheCaption) {
    controls.mode = DisplayMode::Caption;
    files.files["a.txt"] = "\xEF\xBB\xBF" "abc\r\ndef";  // UTF-8 with its mark
    open("a.txt");
    EXPECT_EQ(sinks.shown, std::vector<std::string>{"caption:?abc"});
    EXPECT_EQ(timer.period(), 3000);
}

TEST_F(OpenBookTest, BalloonModeShowsNothingAndStopsTheTimer) {
    controls.mode = DisplayMode::Balloon;
    timer.set_period(5000);
    files.files["a.txt"] = numbered_lines(3);
    open("a.txt");
    EXPECT_TRUE(sinks.shown.empty());
    EXPECT_EQ(timer.period(), 0);
    EXPECT_EQ(state.book_lines.size(), 3u);
    EXPECT_EQ(jump.calls, jump_calls_for(3));
}

TEST_F(OpenBookTest, NoModeGivesTheNoticeAndStillLoadsAndUpdatesJump) {
    controls.mode = DisplayMode::None;
    timer.set_period(5000);
    files.files["a.txt"] = numbered_lines(4);
    open("a.txt");
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "你没有选择阅读模式！");
    EXPECT_EQ(boxes.boxes[0].title, "提示");
    EXPECT_EQ(boxes.boxes[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(state.book_lines.size(), 4u);
    EXPECT_EQ(state.current_line, 1);
    EXPECT_EQ(state.current_segment, 1);
    EXPECT_EQ(timer.period(), 0);
    EXPECT_TRUE(sinks.shown.empty());
    EXPECT_EQ(jump.calls, jump_calls_for(4));
}

struct RefusedCase {
    const char* name;
    Text path;
    Bytes file;
    const char* warning;
};

const RefusedCase kRefusedCases[] = {
    {"Utf16BigEndian", "be.txt", std::string("\xFE\xFF\0a\0b", 6), "无法转换到ANSI的编码格式，请自行转换！"},
    {"TooLargeForMemory", FakeFiles::kHugePath, "", "文件过大，无法打开！"},
};

class OpenRefusedBookTest : public OpenBookTest, public testing::WithParamInterface<RefusedCase> {};

TEST_P(OpenRefusedBookTest, WarnsAndShowsThePreviousBookAgainFromItsStart) {
    files.files["a.txt"] = numbered_lines(5);
    open("a.txt");
    state.current_line = 4;
    state.current_segment = 1;
    sinks.shown.clear();
    jump.calls.clear();
    if (!GetParam().file.empty()) files.files[GetParam().path] = GetParam().file;

    open(GetParam().path);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, GetParam().warning);
    EXPECT_EQ(boxes.boxes[0].title, "警告");
    EXPECT_EQ(boxes.boxes[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(state.book_lines.size(), 5u);
    EXPECT_EQ(state.current_line, 1);
    EXPECT_EQ(sinks.shown, std::vector<std::string>{"tray:第1行"});
    EXPECT_EQ(jump.calls, jump_calls_for(5));
}

INSTANTIATE_TEST_SUITE_P(Books, OpenRefusedBookTest, testing::ValuesIn(kRefusedCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A converter that runs out of memory in the middle of a UTF-8 book.
class ExhaustedConverter final : public CodePageConverter {
public:
    std::u16string to_utf16(std::string_view, CodePage) const override { throw std::bad_alloc(); }
    std::string from_utf16(std::u16string_view, CodePage) const override { return {}; }
    bool is_text_unicode(std::string_view) const override { return false; }
};

TEST_F(OpenBookTest, MemoryRunningOutDuringConversionKeepsThePreviousBook) {
    files.files["a.txt"] = numbered_lines(2);
    open("a.txt");
    files.files["u.txt"] = "\xE4\xB8\xAD\r\n";
    const ExhaustedConverter exhausted;
    EXPECT_NO_THROW(open_book(reader, controls, "u.txt", files, exhausted, jump, boxes));
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "文件过大，无法打开！");
    EXPECT_EQ(state.book_lines.size(), 2u);
}

TEST_F(OpenBookTest, BookWithoutLinesShowsNothingAndLeavesTimerStopped) {
    for (const DisplayMode mode : {DisplayMode::TrayTip, DisplayMode::Caption}) {
        files.files["a.txt"] = numbered_lines(2);
        open("a.txt");
        controls.mode = mode;
        sinks.shown.clear();
        jump.calls.clear();
        open("missing.txt");
        EXPECT_TRUE(state.book_lines.empty());
        EXPECT_TRUE(sinks.shown.empty());
        EXPECT_EQ(timer.period(), 0);
        EXPECT_TRUE(boxes.boxes.empty());
        EXPECT_EQ(jump.calls, jump_calls_for(0));
    }
}

}  // namespace
}  // namespace tq
