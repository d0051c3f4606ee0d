#include "core/segmenter.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace tq {
namespace {

std::vector<std::string> segments(const TextArray& a) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < a.size(); ++i) out.push_back(a.text(i));
    return out;
}

struct SegmentCase {
    const char* name;
    std::string line;
    std::int32_t width;
    std::vector<std::string> expected;
};

// Narrow literals are code page 936 here: each Chinese character is two bytes.
TEST(SegmentLine, WorkedExamples) {
    const std::vector<SegmentCase> cases = {
        {"empty line gives no segments", "", 10, {}},
        {"shorter than the width", "abc", 10, {"abc"}},
        {"exactly the width", "abcdefghij", 10, {"abcdefghij"}},
        {"one byte over", "abcdefghijk", 10, {"abcdefghij", "k"}},
        {"all Chinese", "天地玄黄宇宙洪荒日月", 10, {"天地玄黄宇", "宙洪荒日月"}},
        {"character would straddle the width", "a天地玄黄宇宙洪荒日月", 10,
         {"a天地玄黄", "宇宙洪荒日", "月"}},
        {"space starts the next piece", "第一章 天地", 6, {"第一章", " 天地"}},
        {"space ends the piece", "第一章 天地", 7, {"第一章 ", "天地"}},
        {"mixed text", "Hello, 世界! How are you?", 8, {"Hello, ", "世界! Ho", "w are yo", "u?"}},
        {"width two", "a一二", 2, {"a", "一", "二"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(segments(segment_line(c.line, c.width)), c.expected) << c.name;
    }
}

TEST(SegmentLine, EdgeCases) {
    const std::vector<SegmentCase> cases = {
        {"all two-byte, width 2", "天地玄", 2, {"天", "地", "玄"}},
        {"all two-byte, width 3: one character each", "天地玄", 3, {"天", "地", "玄"}},
        {"blank runs are kept", "       ", 3, {"   ", "   ", " "}},
        {"character at bytes N-1 and N fits", "abcd天e", 6, {"abcd天", "e"}},
        {"character at bytes N and N+1 starts the next piece", "abcde天f", 6, {"abcde", "天f"}},
        {"0x7F takes the byte after it along", "a\x7F" "bcd", 2, {"a", "\x7F" "b", "cd"}},
        {"0x7F before a lead byte keeps a CR LF inside one element",
         "\x7F\xB0\xA1\xB2" "cd", 4, {"\x7F\xB0\xA1\xB2\r\ncd"}},
        {"CR LF within the width ends its piece", "ab\r\ncdefgh", 5, {"ab", "cdefg", "h"}},
        {"CR at the N-th byte: its LF begins the next piece", "abcd\r\nef", 5, {"abcd\r", "\nef"}},
        {"CR LF in a line no longer than the width", "ab\r\ncd", 10, {"ab", "cd"}},
        {"trailing CR LF leaves no empty segment", "ab\r\n", 10, {"ab"}},
        {"lone CR and LF are ordinary bytes", "a\rb\nc", 2, {"a\r", "b\n", "c"}},
        {"a lead byte at the very end stays", "abc\xB0", 3, {"abc", "\xB0"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(segments(segment_line(c.line, c.width)), c.expected) << c.name;
    }
}

TEST(SegmentLine, WidthsBelowTwoAreCutAsTwo) {
    const std::string line = "a一二 b";
    const std::vector<std::string> expected = {"a", "一", "二", " b"};
    for (const std::int32_t width : {1, 0, -1, std::numeric_limits<std::int32_t>::min()}) {
        EXPECT_EQ(segments(segment_line(line, width)), expected) << "width " << width;
    }
}

// The segments of a line without CR LF or 0x7F give the line back, none is
// longer than the width, and none ends in the middle of a character.
TEST(SegmentLine, SegmentsRebuildTheLineWithinTheWidth) {
    const std::vector<std::string> lines = {
        "第一章 天地玄黄，宇宙洪荒。日月盈昃，辰宿列张。",
        "Plain ASCII text without any two-byte characters at all, a little long.",
        "混合 mixed 文本 text，标点！and    runs of spaces    。",
        std::string(1000, ' '),
    };
    for (const auto& line : lines) {
        for (const std::int32_t width : {2, 3, 4, 7, 10, 33, 200}) {
            const TextArray cut = segment_line(line, width);
            std::string rebuilt;
            for (std::size_t i = 0; i < cut.size(); ++i) {
                const std::string_view s = cut[i];
                ASSERT_FALSE(s.empty()) << "width " << width << ", segment " << i;
                ASSERT_LE(s.size(), static_cast<std::size_t>(width)) << "width " << width;
                std::size_t j = 0;
                while (j < s.size()) j += static_cast<unsigned char>(s[j]) >= 0x80 ? 2 : 1;
                ASSERT_EQ(j, s.size()) << "a character is split at width " << width;
                rebuilt += s;
            }
            EXPECT_EQ(rebuilt, line) << "width " << width;
        }
    }
}

}  // namespace
}  // namespace tq
