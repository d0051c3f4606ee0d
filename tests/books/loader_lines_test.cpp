#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "books/book_loader.h"
#include "books/codec_iconv.h"
#include "tests/books/encoding_test_util.h"

namespace tq {
namespace {

using testing_bytes::utf16le;
using testing_bytes::utf8;

struct LinesCase {
    const char* name;
    std::string file;
    TextEncoding encoding;
    std::vector<std::string> lines;
};

const std::string kMark16 = "\xFF\xFE";

const LinesCase kLinesCases[] = {
    {"EmptyFileHasNoLines", "", TextEncoding::Ansi, {}},
    {"CrLfAtEndAddsNoLine", "a\r\nb\r\n", TextEncoding::Ansi, {"a", "b"}},
    {"EmptyMiddleLine", "a\r\n\r\nb", TextEncoding::Ansi, {"a", "", "b"}},
    {"LeadingCrLfGivesEmptyFirstLine", "\r\na", TextEncoding::Ansi, {"", "a"}},
    {"LfOnlyBookIsOneLine", "a\nb\nc\n", TextEncoding::Ansi, {"a\nb\nc\n"}},
    {"LoneCrStaysInLine", "a\rb\r\nc", TextEncoding::Ansi, {"a\rb", "c"}},
    {"EndOfFileMarkCutsAnsi", "a\r\nb\x1A" "c\r\nd", TextEncoding::Ansi, {"a", "b"}},
    {"ZeroCutsAnsi", std::string("a\r\nb\0c\r\nd", 9), TextEncoding::Ansi, {"a", "b"}},
    {"GbkLines", "你好\r\n世界", TextEncoding::Ansi, {"你好", "世界"}},
    {"CrLfInsidePairIsNoSeparator", "\xC4\r\n", TextEncoding::Ansi, {"\xC4\r\n"}},
    {"Utf8Converted", utf8(u8"中文\r\n第二行\r\n"), TextEncoding::Utf8, {"中文", "第二行"}},
    {"Utf8WithMark", utf8(u8"\uFEFF中文\r\nb"), TextEncoding::Utf8, {"?中文", "b"}},
    {"EndOfFileMarkCutsUtf8", utf8(u8"中文\r\n第二") + "\x1A" + utf8(u8"行\r\nx"), TextEncoding::Utf8,
     {"中文", "第二"}},
    {"Utf16LeWithMark", kMark16 + utf16le(u"控制\r\n面板\r\n"), TextEncoding::Utf16Le,
     {"?控制", "面板"}},
    {"Utf16LeWithoutMark", utf16le(u"ab\r\n\r\ncd"), TextEncoding::Utf16Le, {"ab", "", "cd"}},
    {"Utf16LeOddByteCount", kMark16 + utf16le(u"a\r\nb") + "c", TextEncoding::Utf16Le,
     {"?a", "bc"}},
    {"Utf16LeIsNotCutAtEndOfFileMark", kMark16 + utf16le(u"a\x1A" "b\r\nc"), TextEncoding::Utf16Le,
     {"?a\x1A" "b", "c"}},
    {"Utf16LeEndsAtZeroUnit", kMark16 + utf16le(u"a\r\nb") + std::string(2, '\0') + utf16le(u"c"),
     TextEncoding::Utf16Le, {"?a", "b"}},
    {"Utf16BeIsRefused", "\xFE\xFF" + std::string("\0a", 2), TextEncoding::Utf16Be, {}},
};

class LoadBookLinesTest : public testing::TestWithParam<LinesCase> {};

TEST_P(LoadBookLinesTest, SplitsTheConvertedTextAtCrLf) {
    const IconvCodePageConverter codec;
    const LinesCase& c = GetParam();
    const LoadedBook book = load_book(c.file, codec);
    EXPECT_EQ(book.encoding, c.encoding);
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < book.lines.size(); ++i) lines.push_back(book.lines.text(i));
    EXPECT_EQ(lines, c.lines);
}

INSTANTIATE_TEST_SUITE_P(Books, LoadBookLinesTest, testing::ValuesIn(kLinesCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tq
