// The book folder's file operations on a real temporary folder.
#include "books/file_ops_win32.h"

#include <gtest/gtest.h>

#include <string>

#include "shell/unique_handle.h"

namespace tq {
namespace {

Text temp_base() {
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    return Text(base) + "tq_books_folder_" + std::to_string(GetCurrentProcessId());
}

void write_file(const Text& path, const std::string& content) {
    unique_file file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(file) << path;
    DWORD written = 0;
    ASSERT_TRUE(WriteFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &written,
                          nullptr));
}

std::string read_file(const Text& path) {
    unique_file file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                 OPEN_EXISTING, 0, nullptr));
    if (!file) return "<missing>";
    char buffer[256];
    DWORD read = 0;
    ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr);
    return std::string(buffer, read);
}

class BookFolderFiles : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(CreateDirectoryA(base_.c_str(), nullptr));
        ASSERT_TRUE(CreateDirectoryA(books_.c_str(), nullptr));
        // Made through the wide call so that the test does not depend on the
        // process's code page; "小说" in code page 936 is D0 A1 CB B5.
        wide_base_.assign(base_.begin(), base_.end());
        ASSERT_TRUE(CreateDirectoryW((wide_base_ + L"\\\u5c0f\u8bf4").c_str(), nullptr));
    }
    void TearDown() override {
        for (const char* name : {"\\books\\a.txt", "\\books\\b.txt", "\\a.txt", "\\b.txt"})
            DeleteFileA((base_ + name).c_str());
        RemoveDirectoryW((wide_base_ + L"\\\u5c0f\u8bf4").c_str());
        RemoveDirectoryA(books_.c_str());
        RemoveDirectoryA(base_.c_str());
    }

    const Text base_ = temp_base();  // ASCII, so also usable as a wide path
    const Text books_ = base_ + "\\books";
    std::wstring wide_base_;
    BookFilesWin32 files_;
};

TEST_F(BookFolderFiles, ExistingFolderMeansAnExistingDirectory) {
    write_file(base_ + "\\a.txt", "x");
    struct Case {
        const char* name;
        Text path;
        bool existing;
    };
    const Case cases[] = {
        {"folder", books_, true},
        {"folder with trailing backslash", books_ + "\\", true},
        {"chinese folder name in code page 936", base_ + "\\\xD0\xA1\xCB\xB5", true},
        {"a file", base_ + "\\a.txt", false},
        {"missing", base_ + "\\gone", false},
        {"empty path", "", false},
    };
    for (const Case& c : cases) EXPECT_EQ(is_existing_folder(c.path), c.existing) << c.name;
}

TEST_F(BookFolderFiles, CopyOverwritesAnExistingBook) {
    write_file(base_ + "\\a.txt", "new");
    write_file(books_ + "\\a.txt", "old");
    EXPECT_TRUE(files_.copy_file(base_ + "\\a.txt", books_ + "\\a.txt"));
    EXPECT_EQ(read_file(books_ + "\\a.txt"), "new");
}

TEST_F(BookFolderFiles, CopyOfAMissingFileFails) {
    EXPECT_FALSE(files_.copy_file(base_ + "\\gone.txt", books_ + "\\gone.txt"));
}

TEST_F(BookFolderFiles, DeleteRemovesTheFileAndFailsOnAFolderPath) {
    write_file(books_ + "\\b.txt", "x");
    EXPECT_TRUE(files_.delete_file(books_ + "\\b.txt"));
    EXPECT_EQ(read_file(books_ + "\\b.txt"), "<missing>");
    // What deleting with nothing selected asks for.
    EXPECT_FALSE(files_.delete_file(books_ + "\\"));
    EXPECT_TRUE(is_existing_folder(books_));
}

TEST_F(BookFolderFiles, FileNameIsThePartAfterTheLastBackslash) {
    EXPECT_EQ(files_.file_name_of("C:\\in\\sub\\book.txt"), "book.txt");
    EXPECT_EQ(files_.file_name_of("book.txt"), "book.txt");
}

}  // namespace
}  // namespace tq
