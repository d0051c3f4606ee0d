#include <gtest/gtest.h>

#include <string>

#include "books/book_text.h"

namespace tq {
namespace {

struct StopCase {
    const char* name;
    std::string bytes;
    std::size_t expected_length;
};

const StopCase kStopCases[] = {
    {"Empty", "", 0},
    {"NoStop", "abc\r\n\xC4\xE3", 7},
    {"EndOfFileMark", "ab\x1A" "cd", 2},
    {"ZeroByte", std::string("ab\0cd", 5), 2},
    {"ZeroFirst", std::string("\0ab", 3), 0},
    {"EndOfFileMarkAsTrailByteIsKept", "\xB0\x1A" "c\x1A", 3},
    {"LeadBeforeZeroIsCutToo", std::string("a\xB0\0b", 4), 1},
    {"ZeroAfterWholePair", std::string("\xC4\xE3\0b", 4), 2},
    {"LeadAtVeryEndIsKept", "ab\xB0", 3},
    {"PairsKeepParityAcrossTheText", "\xC4\x1A\xC4\x1A" "a\x1A", 5},
    {"ZeroAfterLoneLeadAtEndOfPairRun", std::string("\xC4\xE3\xB0\0", 4), 2},
};

class BookTextStopTest : public testing::TestWithParam<StopCase> {};

TEST_P(BookTextStopTest, EndsAtTheFirstStop) {
    const StopCase& c = GetParam();
    EXPECT_EQ(book_text_length(c.bytes), c.expected_length);
    EXPECT_EQ(read_book_text(c.bytes), c.bytes.substr(0, c.expected_length));
}

INSTANTIATE_TEST_SUITE_P(Files, BookTextStopTest, testing::ValuesIn(kStopCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BookTextTest, CutsTheSameBufferWithoutCopying) {
    Bytes file(1 << 20, 'a');
    file[1000] = '\x1A';
    const char* buffer = file.data();
    const Text text = read_book_text(std::move(file));
    EXPECT_EQ(text.size(), 1000u);
    EXPECT_EQ(text.data(), buffer);
}

}  // namespace
}  // namespace tq
