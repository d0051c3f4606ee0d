#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "books/book_file_win32.h"
#include "books/book_loader.h"
#include "books/codec.h"
#include "books/codec_win32.h"
#include "books/encoding.h"

namespace tq {
namespace {

std::string utf8(std::u8string_view text) { return std::string(text.begin(), text.end()); }

std::string utf16le(std::u16string_view text) {
    std::string out;
    for (const char16_t unit : text) {
        out.push_back(static_cast<char>(unit & 0xFF));
        out.push_back(static_cast<char>(unit >> 8));
    }
    return out;
}

TEST(Win32CodecTest, GbkAndUtf8RoundTrip) {
    const Win32CodePageConverter codec;
    const Text gbk = "控制面板";
    const Bytes wide = multibyte_to_utf16(gbk, kCodePageGbk, codec);
    EXPECT_EQ(wide, utf16le(u"控制面板") + std::string(2, '\0'));
    EXPECT_EQ(utf16_to_multibyte(wide, kCodePageUtf8, codec), utf8(u8"控制面板"));
    EXPECT_EQ(utf8_to_ansi(utf8(u8"控制面板 ok"), codec), gbk + " ok");
}

TEST(Win32CodecTest, MissingCharacterBecomesADefaultOrBestFitCharacter) {
    const Win32CodePageConverter codec;
    const Text text = utf16le_to_ansi(utf16le(u"a\u0E01b"), codec);  // Thai is not in 936
    ASSERT_EQ(text.size(), 3u);
    EXPECT_EQ(text.front(), 'a');
    EXPECT_EQ(text.back(), 'b');
}

TEST(Win32CodecTest, IsTextUnicodeTakesUtf16ForUtf16) {
    const Win32CodePageConverter codec;
    EXPECT_TRUE(codec.is_text_unicode(utf16le(u"This is plain English text in UTF-16.\r\n")));
    EXPECT_EQ(classify_encoding(utf16le(u"This is plain English text in UTF-16.\r\n"), codec),
              TextEncoding::Utf16Le);
    EXPECT_EQ(classify_encoding("你好，世界。这是一本书。\r\n", codec), TextEncoding::Ansi);
}

TEST(Win32CodecTest, InPlaceLoadMatchesWholeConversion) {
    const Win32CodePageConverter codec;
    std::string book;
    for (int i = 0; i < 200; ++i) book += utf8(u8"第一行·中文😀\r\n");
    EXPECT_EQ(utf8_to_ansi_in_place(book, codec, 7), utf8_to_ansi(book, codec));
}

class TempFile {
public:
    explicit TempFile(const std::string& bytes) {
        char dir[MAX_PATH];
        GetTempPathA(MAX_PATH, dir);
        char name[MAX_PATH];
        GetTempFileNameA(dir, "tqb", 0, name);
        path_ = name;
        HANDLE h = CreateFileA(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(h);
    }
    ~TempFile() { DeleteFileA(path_.c_str()); }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

TEST(Win32BookFileTest, ReadsWholeFileAndGivesEmptyForMissingOrFolder) {
    const std::string content = std::string("a\r\n\0b\x1A", 6) + "你好";
    const TempFile file(content);
    Win32BookFileReader files;
    EXPECT_EQ(files.read_whole_file(file.path()), content);
    EXPECT_EQ(files.read_whole_file(file.path() + ".missing"), "");
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    EXPECT_EQ(files.read_whole_file(dir), "");
    EXPECT_EQ(files.read_whole_file(""), "");
}

}  // namespace
}  // namespace tq
