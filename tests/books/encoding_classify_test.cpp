#include <gtest/gtest.h>

#include <string>

#include "books/codec_iconv.h"
#include "books/encoding.h"
#include "tests/books/encoding_test_util.h"

namespace tq {
namespace {

using testing_bytes::utf8;

struct ClassifyCase {
    const char* name;
    std::string bytes;
    TextEncoding expected;
};

// "斓、你好" in code page 936: EC B5 A1 A2 C4 E3 BA C3. Its first three bytes
// read as a well-formed UTF-8 three-byte sequence; C4 E3 does not.
const std::string kGbkWithUtf8LookAlike = "斓、你好";

const ClassifyCase kClassifyCases[] = {
    {"Empty", "", TextEncoding::Ansi},
    {"Utf8Mark", "\xEF\xBB\xBF" "abc", TextEncoding::Utf8},
    {"Utf8MarkAlone", "\xEF\xBB\xBF", TextEncoding::Utf8},
    {"Utf16LeMarkAlone", "\xFF\xFE", TextEncoding::Utf16Le},
    {"Utf16BeMarkAlone", "\xFE\xFF", TextEncoding::Utf16Be},
    {"Utf16BeMarkWithText", std::string("\xFE\xFF\0a\0b", 6), TextEncoding::Utf16Be},
    {"Utf16LeMarkWithText", std::string("\xFF\xFE" "a\0b\0", 6), TextEncoding::Utf16Le},
    {"EfBbIsNoMark", "\xEF\xBB", TextEncoding::Ansi},
    {"EfBbThenOtherByteGoesToTheScan", "\xEF\xBB\xBE", TextEncoding::Utf8},
    {"EfBbThenAsciiIsAnsi", "\xEF\xBB" "A", TextEncoding::Ansi},
    {"Utf16LeWithoutMark", std::string("a\0b\0c\0\r\0\n\0", 10), TextEncoding::Utf16Le},
    {"Utf16OddLengthIsNotUnicode", std::string("a\0b\0c", 5), TextEncoding::Ansi},
    {"PlainAscii", "hello\r\nworld\r\n", TextEncoding::Ansi},
    {"TwoByteFirstThenThreeByte", utf8(u8"a·b中文"), TextEncoding::Utf8},
    {"OnlyTwoByteSequences", utf8(u8"a·b·c"), TextEncoding::Ansi},
    {"FourByteSequence", utf8(u8"x😀y"), TextEncoding::Utf8},
    // A code-page-936 book whose first characters happen to look like a
    // UTF-8 sequence: the rest of the file shows it is not UTF-8.
    {"GbkStartingLikeUtf8", kGbkWithUtf8LookAlike, TextEncoding::Ansi},
    {"GbkPlain", "\xC4\xE3\xBA\xC3\r\n", TextEncoding::Ansi},
    {"MalformedAfterThreeByte", utf8(u8"中文" "\xFF"), TextEncoding::Ansi},
    {"LoneContinuationFirst", "ab\x80\x80\x80", TextEncoding::Ansi},
    {"F8FirstHighByte", "ab\xF8\x80\x80\x80\x80", TextEncoding::Ansi},
    {"FfFirstHighByte", "ab\xFF", TextEncoding::Ansi},
    {"ThreeByteLeadCutOffAfterUtf8", utf8(u8"中文" "\xE4\xB8"), TextEncoding::Utf8},
    {"ThreeByteLeadCutOffAlone", "abc\xE4\xB8", TextEncoding::Ansi},
    {"FourByteLeadCutOffAlone", "abc\xF0", TextEncoding::Ansi},
    {"OverlongLeadsPass", "\xC0\x80\xE0\x80\x80", TextEncoding::Utf8},
    {"F5LeadPasses", "\xF5\x80\x80\x80", TextEncoding::Utf8},
};

class ClassifyTest : public testing::TestWithParam<ClassifyCase> {};

TEST_P(ClassifyTest, GivesTheExpectedEncoding) {
    const IconvCodePageConverter codec;
    EXPECT_EQ(classify_encoding(GetParam().bytes, codec), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Files, ClassifyTest, testing::ValuesIn(kClassifyCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(IsLikelyUtf8Test, NeedsALongSequenceAndNoMalformedOneAnywhere) {
    EXPECT_FALSE(is_likely_utf8(""));
    EXPECT_FALSE(is_likely_utf8("plain ascii"));
    EXPECT_TRUE(is_likely_utf8(utf8(u8"中")));
    // The malformed byte lies far behind the first three-byte sequence.
    std::string long_text = utf8(u8"中");
    long_text.append(100000, 'a');
    EXPECT_TRUE(is_likely_utf8(long_text));
    long_text += "\xC4\xE3";
    EXPECT_FALSE(is_likely_utf8(long_text));
}

// The scan takes eight bytes at a time away from the end of the data. ASCII
// before and after each row moves its bytes through every place in a word and
// across word ends; rows cut off by the end get no ASCII after them.
TEST(IsLikelyUtf8Test, GivesTheSameAnswerAtEveryOffset) {
    const struct {
        const char* name;
        std::string bytes;
        bool expected;
        bool at_end;
    } cases[] = {
        {"three-byte", utf8(u8"中"), true, false},
        {"four-byte", utf8(u8"😀"), true, false},
        {"Chinese run", utf8(u8"中文，天下大势。"), true, false},
        {"only two-byte", utf8(u8"··········"), false, false},
        {"two-byte then three-byte", utf8(u8"·····中"), true, false},
        {"overlong leads", "\xC0\x80\xE0\x80\x80", true, false},
        {"F5 lead", "\xF5\x80\x80\x80", true, false},
        {"F8 lead", utf8(u8"中") + "\xF8\x80\x80\x80\x80", false, false},
        {"FF byte", utf8(u8"中") + "\xFF", false, false},
        {"lone continuation", utf8(u8"中") + "\x80", false, false},
        {"three-byte missing one", utf8(u8"中") + "\xE4\xB8" "a", false, false},
        {"four-byte missing one", utf8(u8"中") + "\xF0\x9F\x98" "a", false, false},
        {"lead as continuation", utf8(u8"中") + "\xE4\xB8\xE4\xB8\xAD", false, false},
        {"two-byte lead then lead", utf8(u8"中") + "\xC2\xE4\xB8\xAD", false, false},
        {"extra continuation", utf8(u8"中") + "\x80" + utf8(u8"中"), false, false},
        {"code page 936", kGbkWithUtf8LookAlike, false, false},
        {"whole three-byte at the end", "abc\xE4\xB8\xAD", true, true},
        {"whole four-byte at the end", "abc\xF0\x9F\x98\x80", true, true},
        {"cut three-byte after one", utf8(u8"中") + "\xE4\xB8", true, true},
        {"cut four-byte after one", utf8(u8"中") + "\xF0\x9F\x98", true, true},
        {"cut three-byte alone", "abc\xE4\xB8", false, true},
        {"cut four-byte alone", "abc\xF0\x9F\x98", false, true},
        {"cut and malformed", utf8(u8"中") + "\xF0\x9F" "a", false, true},
    };
    for (const auto& c : cases) {
        for (std::size_t before = 0; before < 16; ++before) {
            const std::size_t after_count = c.at_end ? 1 : 16;
            for (std::size_t after = 0; after < after_count; ++after) {
                const std::string bytes = std::string(before, 'a') + c.bytes + std::string(after, 'z');
                EXPECT_EQ(is_likely_utf8(bytes), c.expected)
                    << c.name << ", " << before << " before, " << after << " after";
            }
        }
    }
}

// The platform's test stands behind the marks and before the UTF-8 scan.
class ScriptedUnicodeTest final : public CodePageConverter {
public:
    explicit ScriptedUnicodeTest(bool answer) : answer_(answer) {}
    std::u16string to_utf16(std::string_view, CodePage) const override { return {}; }
    std::string from_utf16(std::u16string_view, CodePage) const override { return {}; }
    bool is_text_unicode(std::string_view) const override { return answer_; }

private:
    bool answer_;
};

TEST(ClassifyOrderTest, MarksComeBeforeThePlatformTestAndItBeforeTheScan) {
    const ScriptedUnicodeTest says_unicode(true);
    EXPECT_EQ(classify_encoding("\xEF\xBB\xBF" "a", says_unicode), TextEncoding::Utf8);
    EXPECT_EQ(classify_encoding("\xFE\xFF", says_unicode), TextEncoding::Utf16Be);
    EXPECT_EQ(classify_encoding(utf8(u8"中文"), says_unicode), TextEncoding::Utf16Le);
    EXPECT_EQ(classify_encoding("\xEF\xBB\xBE", says_unicode), TextEncoding::Utf16Le);
    const ScriptedUnicodeTest says_not(false);
    EXPECT_EQ(classify_encoding(std::string("a\0b\0", 4), says_not), TextEncoding::Ansi);
}

}  // namespace
}  // namespace tq
