#include "books/import_paths.h"

#include <gtest/gtest.h>

namespace tq {
namespace {

using namespace std::string_literals;

TEST(OpenFileBuffer, GivesFullPaths) {
    struct Case {
        const char* name;
        std::string buffer;  // as the dialog leaves it, zero padded
        Text expected;
    };
    const Case cases[] = {
        {"one file", "C:\\in\\a.txt\0\0\0\0"s, "C:\\in\\a.txt"},
        {"several files", "C:\\in\0a.txt\0b.txt\0c.txt\0\0\0"s,
         "C:\\in\\a.txt\r\nC:\\in\\b.txt\r\nC:\\in\\c.txt"},
        {"drive root keeps one backslash", "D:\\\0a.txt\0b.txt\0\0"s, "D:\\a.txt\r\nD:\\b.txt"},
        {"chinese names", "C:\\下载\0三国.txt\0水浒.txt\0\0"s,
         "C:\\下载\\三国.txt\r\nC:\\下载\\水浒.txt"},
        {"stops at the first pair of zeros", "C:\\in\0a.txt\0\0stale.txt\0\0"s, "C:\\in\\a.txt"},
        {"empty buffer", "\0\0\0"s, ""},
        {"no zero at all", "C:\\in\\a.txt"s, "C:\\in\\a.txt"},
        {"no terminating pair", "C:\\in\0a.txt"s, "C:\\in\\a.txt"},
    };
    for (const Case& c : cases) EXPECT_EQ(parse_open_file_buffer(c.buffer), c.expected) << c.name;
}

TEST(OpenFileFilter, BarsBecomeZerosAndTheListEndsWithTwo) {
    EXPECT_EQ(open_file_filter("文本文档（*.txt）|*.txt"), "文本文档（*.txt）\0*.txt\0\0"s);
    EXPECT_EQ(open_file_filter("a|b|c|d"), "a\0b\0c\0d\0\0"s);
}

TEST(OpenFileFilter, BarInsideATwoByteCharacterStays) {
    // 0x817C is one character whose trail byte is '|'.
    EXPECT_EQ(open_file_filter("\x81\x7C|*.txt"), "\x81\x7C\0*.txt\0\0"s);
}

}  // namespace
}  // namespace tq
