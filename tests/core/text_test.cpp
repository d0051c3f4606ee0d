#include "core/text.h"

#include <gtest/gtest.h>

#include <vector>

namespace tq {
namespace {

std::vector<std::string> elements(const TextArray& a) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < a.size(); ++i) out.push_back(a.text(i));
    return out;
}

struct SplitCase {
    const char* name;
    std::string text;
    std::string separator;
    std::vector<std::string> expected;
};

TEST(SplitText, WorkedExamplesAndPairRule) {
    const std::vector<SplitCase> cases = {
        {"empty text", "", "\r\n", {}},
        {"inner empty piece stays", "a\r\n\r\nb\r\n", "\r\n", {"a", "", "b"}},
        {"leading separator", "\r\na", "\r\n", {"", "a"}},
        {"separator alone", "\r\n", "\r\n", {""}},
        {"no separator", "a", "\r\n", {"a"}},
        {"lone LF and CR stay inside", "a\nb\rc", "\r\n", {"a\nb\rc"}},
        {"separator never matched at a second byte", "\xB0|x|y", "|", {"\xB0|x", "y"}},
        {"lone lead byte at the end is kept", "ab\r\n\xB0", "\r\n", {"ab", "\xB0"}},
        {"0x7F is an ordinary byte here", "\x7F|a", "|", {"\x7F", "a"}},
        {"Chinese pieces", "天地\r\n玄黄", "\r\n", {"天地", "玄黄"}},
        {"CR as second byte of a pair", "a\xB0\r\nb", "\r\n", {"a\xB0\r\nb"}},
        {"even run of high bytes before CR LF", "\xB0\xB1\r\nb", "\r\n", {"\xB0\xB1", "b"}},
        {"odd run after a low second byte", "\x81\x40\xB0\r\nb\r\nc", "\r\n", {"\x81\x40\xB0\r\nb", "c"}},
        {"run counted from the last match only", "\xB0\xB1\xB2\r\nx\r\n\xC0\xC1\r\ny", "\r\n",
         {"\xB0\xB1\xB2\r\nx", "\xC0\xC1", "y"}},
        {"separator beginning with a high byte", "a\xB0\xA1" "b\xB0\xA1", "\xB0\xA1", {"a", "b"}},
        {"high separator not matched off the pairs", "\xC0\xB0\xA1", "\xB0\xA1", {"\xC0\xB0\xA1"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(elements(split_text(c.text, c.separator)), c.expected) << c.name;
    }
}

struct IntCase {
    const char* name;
    std::string text;
    std::int32_t expected;
};

TEST(TextToInt, AsciiFullWidthAndSaturation) {
    const std::vector<IntCase> cases = {
        {"plain", "42", 42},
        {"leading blanks and sign", "  -17", -17},
        {"plus sign", "+5", 5},
        {"trailing garbage", "5abc", 5},
        {"no digits", "abc", 0},
        {"empty", "", 0},
        {"full-width digits", "\xA3\xB1\xA3\xB2", 12},
        {"full-width minus", "\xA3\xAD\xA3\xB3", -3},
        {"ideographic space then digits", "\xA1\xA1" "7", 7},
        {"largest int32", "2147483647", 2147483647},
        {"saturates high", "99999999999999999999", 2147483647},
        {"smallest int32", "-2147483648", -2147483647 - 1},
        {"saturates low", "-99999999999", -2147483647 - 1},
        {"two signs", "--3", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(text_to_int(c.text), c.expected) << c.name;
}

}  // namespace
}  // namespace tq
