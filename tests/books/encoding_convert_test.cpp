#include <gtest/gtest.h>

#include <string>

#include "books/codec.h"
#include "books/codec_iconv.h"
#include "tests/books/encoding_test_util.h"

namespace tq {
namespace {

using testing_bytes::utf16le;
using testing_bytes::utf8;

class ConvertTest : public testing::Test {
protected:
    IconvCodePageConverter codec;
};

TEST_F(ConvertTest, GbkAndUtf8RoundTripThroughUtf16) {
    const Text gbk = "控制面板";  // narrow literals hold code page 936
    ASSERT_EQ(gbk, "\xBF\xD8\xD6\xC6\xC3\xE6\xB0\xE5");
    const Bytes wide = multibyte_to_utf16(gbk, kCodePageGbk, codec);
    EXPECT_EQ(wide, utf16le(u"控制面板") + std::string(2, '\0'));
    EXPECT_EQ(utf16_to_multibyte(wide, kCodePageUtf8, codec), utf8(u8"控制面板"));
    EXPECT_EQ(utf8_to_ansi(utf8(u8"控制面板 ok"), codec), "控制面板 ok");
    EXPECT_EQ(utf16le_to_ansi(wide, codec), gbk);
}

struct ConversionCase {
    const char* name;
    std::string input;
    std::string expected;
};

const ConversionCase kUtf8ToAnsiCases[] = {
    {"Empty", "", ""},
    {"MarkBecomesTheSubstituteOfFeff", "\xEF\xBB\xBF" "ab", "?ab"},
    {"MalformedBytesBecomeDefaultChars", "a\xFF" "b\xC4\xE3", "a?b??"},
    {"CharacterMissingFromGbk", utf8(u8"x😀y\u0E01"), "x?y?"},
    {"StopsAtZeroByte", std::string("ab\0cd", 5), "ab"},
    {"StartsWithZeroByte", std::string("\0ab", 3), ""},
    {"TwoByteCharacterInGbk", utf8(u8"·"), "\xA1\xA4"},
    {"TruncatedSequenceAtEnd", utf8(u8"中") + "\xE6\x96", "中?" "?"},
};

class Utf8ToAnsiTest : public testing::TestWithParam<ConversionCase> {};

TEST_P(Utf8ToAnsiTest, ConvertsAsThePlatformWouldWithFlagsZero) {
    const IconvCodePageConverter codec;
    EXPECT_EQ(utf8_to_ansi(GetParam().input, codec), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Conversions, Utf8ToAnsiTest, testing::ValuesIn(kUtf8ToAnsiCases),
                         [](const auto& info) { return std::string(info.param.name); });

const ConversionCase kUtf16ToAnsiCases[] = {
    {"Empty", "", ""},
    {"FirstUnitZero", std::string("\0\0a\0", 4), ""},
    {"OddByteIsLowByteOfLastUnit", std::string("a\0b", 3), "ab"},
    {"OddZeroByteEndsTheText", std::string("a\0\0", 3), "a"},
    {"StopsAtZeroUnit", std::string("a\0\0\0b\0", 6), "a"},
    {"ZeroHighByteIsNoStop", std::string("a\0\x1A\0b\0", 6), "a\x1A" "b"},
    {"MarkBecomesTheSubstituteOfFeff", "\xFF\xFE" + utf16le(u"中"), "?中"},
    {"SurrogatePairIsOneDefaultChar", utf16le(u"a😀b"), "a?b"},
    {"LoneSurrogate", utf16le(u"a") + std::string("\x00\xD8", 2) + utf16le(u"b"), "a?b"},
};

class Utf16ToAnsiTest : public testing::TestWithParam<ConversionCase> {};

TEST_P(Utf16ToAnsiTest, ConvertsUpToTheFirstZeroUnit) {
    const IconvCodePageConverter codec;
    EXPECT_EQ(utf16le_to_ansi(GetParam().input, codec), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Conversions, Utf16ToAnsiTest, testing::ValuesIn(kUtf16ToAnsiCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ConvertTest, MultibyteToUtf16EndsInOneZeroUnitAndStopsAtZeroByte) {
    EXPECT_EQ(multibyte_to_utf16("", kCodePageGbk, codec), "");
    EXPECT_EQ(multibyte_to_utf16(std::string("\0a", 2), kCodePageGbk, codec), "");
    EXPECT_EQ(multibyte_to_utf16(std::string("a\0b", 3), kCodePageGbk, codec),
              std::string("a\0\0\0", 4));
    // A lead byte without its trail is substituted, not dropped.
    const Bytes cut = multibyte_to_utf16("a\xC4", kCodePageGbk, codec);
    EXPECT_EQ(cut.size(), 6u);
    EXPECT_EQ(cut.substr(0, 2), std::string("a\0", 2));
    EXPECT_EQ(cut.substr(4), std::string(2, '\0'));
}

// The decoder takes most three-byte sequences by a short path; these rows sit
// on both sides of its bounds (E0 and ED narrow their second byte).
TEST_F(ConvertTest, Utf8DecodesThreeByteBoundsAndSubstitutesPerByte) {
    const struct {
        const char* name;
        std::string input;
        std::u16string expected;
    } cases[] = {
        {"lowest after E0", "\xE0\xA0\x80", u"\u0800"},
        {"overlong E0", "\xE0\x9F\xBF", u"\uFFFD\uFFFD\uFFFD"},
        {"lowest with E1", "\xE1\x80\x80", u"\u1000"},
        {"highest before surrogates", "\xED\x9F\xBF", u"\uD7FF"},
        {"surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
        {"lowest after surrogates", "\xEE\x80\x80", u"\uE000"},
        {"highest three-byte", "\xEF\xBF\xBF", u"\uFFFF"},
        {"ASCII as third byte", "\xE4\xB8" "A", u"\uFFFD\uFFFDA"},
        {"ASCII as second byte", "\xE4" "A\xB8", u"\uFFFDA\uFFFD"},
        {"cut off by the end", "\xE4\xB8", u"\uFFFD\uFFFD"},
        {"lead as third byte", "\xE4\xB8\xE4\xB8\xAD", u"\uFFFD\uFFFD\u4E2D"},
        {"four-byte", "\xF0\x9F\x98\x80", u"\U0001F600"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(codec.to_utf16(c.input, kCodePageUtf8), c.expected) << c.name;
}

TEST_F(ConvertTest, UnknownCodePageGivesEmptyResult) {
    EXPECT_EQ(multibyte_to_utf16("abc", 1252, codec), "");
    EXPECT_EQ(utf16_to_multibyte(utf16le(u"abc"), 1252, codec), "");
}

}  // namespace
}  // namespace tq
