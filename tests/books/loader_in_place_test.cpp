#include <gtest/gtest.h>

#include <string>

#include "books/book_loader.h"
#include "books/codec.h"
#include "books/codec_iconv.h"
#include "tests/books/encoding_test_util.h"

namespace tq {
namespace {

using testing_bytes::utf16le;
using testing_bytes::utf8;

// Every kind of character and a few malformed bytes, so that chunk ends fall
// inside each of them for some chunk size.
std::string mixed_utf8() {
    std::string text;
    for (int i = 0; i < 20; ++i) {
        text += utf8(u8"ab·中文😀\r\n");
        text += "\xE4\xB8";  // a cut-off sequence in the middle
        text += "x\x80\xFF";
    }
    return text;
}

std::string mixed_utf16le() {
    std::string text;
    for (int i = 0; i < 20; ++i) text += utf16le(u"ab·中文😀\r\n") + std::string("\x00\xD8", 2);
    return text + "z";  // odd byte count
}

TEST(InPlaceConversionTest, Utf8GivesTheWholeConversionForEveryChunkSize) {
    const IconvCodePageConverter codec;
    const std::string input = mixed_utf8();
    const Text whole = utf8_to_ansi(input, codec);
    ASSERT_FALSE(whole.empty());
    for (std::size_t chunk = 1; chunk <= 40; ++chunk)
        EXPECT_EQ(utf8_to_ansi_in_place(input, codec, chunk), whole) << "chunk " << chunk;
}

TEST(InPlaceConversionTest, Utf16LeGivesTheWholeConversionForEveryChunkSize) {
    const IconvCodePageConverter codec;
    const std::string input = mixed_utf16le();
    const Text whole = utf16le_to_ansi(input, codec);
    ASSERT_FALSE(whole.empty());
    for (std::size_t chunk = 1; chunk <= 40; ++chunk)
        EXPECT_EQ(utf16le_to_ansi_in_place(input, codec, chunk), whole) << "chunk " << chunk;
}

TEST(InPlaceConversionTest, StopsAtTheFirstZero) {
    const IconvCodePageConverter codec;
    EXPECT_EQ(utf8_to_ansi_in_place(std::string("ab\0cd", 5), codec, 4), "ab");
    EXPECT_EQ(utf16le_to_ansi_in_place(std::string("a\0b\0\0\0c\0", 8), codec, 4), "ab");
    EXPECT_EQ(utf8_to_ansi_in_place("", codec), "");
}

// A converter whose output is longer than its input: writing it back in place
// would overwrite input not yet converted.
class InflatingConverter final : public CodePageConverter {
public:
    std::u16string to_utf16(std::string_view bytes, CodePage) const override {
        return std::u16string(bytes.begin(), bytes.end());
    }
    std::string from_utf16(std::u16string_view units, CodePage) const override {
        std::string out;
        for (const char16_t unit : units) out.append(3, static_cast<char>(unit));
        return out;
    }
    bool is_text_unicode(std::string_view) const override { return false; }
};

TEST(InPlaceConversionTest, OutputLongerThanInputFallsBackWithoutCorruption) {
    const InflatingConverter codec;
    // Short runs of bytes 00-7F between high bytes, so every byte goes
    // through the converter.
    const std::string input = "ab\x81" "cd\x82" "ef\x83" "gh\x84" "ij\x85" "kl\x86" "mn\x87" "op";
    EXPECT_EQ(utf8_to_ansi_in_place(input, codec, 5), utf8_to_ansi(input, codec));
    const std::string wide = utf16le(u"abcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(utf16le_to_ansi_in_place(wide, codec, 6), utf16le_to_ansi(wide, codec));
}

// Long runs of bytes 00-7F skip the converter; these put such runs across
// chunk ends and next to every kind of sequence, well-formed or cut off.
TEST(InPlaceConversionTest, Utf8WithLongAsciiRunsGivesTheWholeConversion) {
    const IconvCodePageConverter codec;
    const std::string run(21, 'r');
    const struct {
        const char* name;
        std::string input;
    } cases[] = {
        {"only ASCII", run + "\r\n" + run},
        {"run first", run + utf8(u8"中文")},
        {"run last", utf8(u8"中文") + run},
        {"runs around each kind", run + utf8(u8"·") + run + utf8(u8"中") + run + utf8(u8"😀") + run},
        {"cut-off sequences before runs", "\xE4\xB8" + run + "\xF0\x9F\x98" + run + "\xC2" + run},
        {"stray bytes inside runs", run + "\x80" + run + "\xFF" + run},
        {"runs of exactly seven and eight", "\xE4\xB8\xAD" "1234567" "\xE4\xB8\xAD" "12345678" "\xE4\xB8\xAD"},
        {"cut-off sequence at the end", run + "\xE4\xB8"},
        {"mixed book", mixed_utf8() + run + mixed_utf8()},
    };
    for (const auto& c : cases) {
        const Text whole = utf8_to_ansi(c.input, codec);
        ASSERT_FALSE(whole.empty()) << c.name;
        for (std::size_t chunk = 1; chunk <= 50; ++chunk)
            EXPECT_EQ(utf8_to_ansi_in_place(c.input, codec, chunk), whole)
                << c.name << ", chunk " << chunk;
    }
}

TEST(InPlaceConversionTest, AsciiRunsAfterASpillLandInTheSpill) {
    const InflatingConverter codec;
    const std::string run(20, 'a');
    EXPECT_EQ(utf8_to_ansi_in_place("\x81" + run + "\x82" + run, codec, 64),
              "\x81\x81\x81" + run + "\x82\x82\x82" + run);
}

TEST(InPlaceConversionTest, LargeLatinUtf16BookDoesNotKeepTheDoubleBuffer) {
    const IconvCodePageConverter codec;
    const Text text = utf16le_to_ansi_in_place(utf16le(std::u16string(1 << 20, u'a')), codec);
    EXPECT_EQ(text.size(), std::size_t{1} << 20);
    EXPECT_LT(text.capacity(), (std::size_t{1} << 20) * 3 / 2);
}

}  // namespace
}  // namespace tq
