// The built-in icon read back from the resources, and the picture's files.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>

#include "settings/config_rules.h"
#include "settings/default_tray_icon_win32.h"
#include "settings/tray_picture_win32.h"

namespace tq {
namespace {

TEST(DefaultTrayIconResource, HoldsTheCommittedFileUnchanged) {
    const Bytes icon = default_tray_icon();
    ASSERT_EQ(icon.size(), 21078u);
    Win32PictureFiles files;
    const std::optional<Bytes> committed = files.read_whole(TQ_DEFAULT_ICON_WINDOWS_PATH);
    ASSERT_TRUE(committed.has_value()) << TQ_DEFAULT_ICON_WINDOWS_PATH;
    EXPECT_TRUE(icon == *committed);
}

TEST(DefaultTrayIconResource, MakesAnIconOfSeventyOnePixels) {
    Bytes icon = default_tray_icon();
    ASSERT_EQ(icon.size(), 21078u);
    constexpr std::size_t kImageOffset = 22;
    constexpr DWORD kIconFormatVersion = 0x00030000;
    HICON handle = CreateIconFromResourceEx(reinterpret_cast<BYTE*>(icon.data() + kImageOffset),
                                            static_cast<DWORD>(icon.size() - kImageOffset), TRUE,
                                            kIconFormatVersion, 0, 0, LR_DEFAULTCOLOR);
    ASSERT_NE(handle, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(handle, &info));
    BITMAP bitmap{};
    GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, 71);
    EXPECT_EQ(bitmap.bmHeight, 71);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(handle);
}

class PictureFilesTest : public testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        folder_ = with_trailing_backslash(temp) + "图标测试" + int_to_text(GetCurrentProcessId());
        CreateDirectoryA(folder_.c_str(), nullptr);
        icon_ = folder_ + "\\游戏.ico";
        empty_ = folder_ + "\\空.ico";
        std::ofstream(icon_.c_str(), std::ios::binary) << Bytes("\0\0\1\0\xF5", 5);
        std::ofstream(empty_.c_str(), std::ios::binary);
    }
    void TearDown() override {
        DeleteFileA(icon_.c_str());
        DeleteFileA(empty_.c_str());
        RemoveDirectoryA(folder_.c_str());
    }
    Text folder_, icon_, empty_;
    Win32PictureFiles files_;
};

TEST_F(PictureFilesTest, ExistenceCountsFoldersAndNeverAnEmptyPath) {
    EXPECT_TRUE(files_.exists(icon_));
    EXPECT_TRUE(files_.exists(folder_));
    EXPECT_FALSE(files_.exists(folder_ + "\\没有.ico"));
    EXPECT_FALSE(files_.exists(""));
}

TEST_F(PictureFilesTest, ReadsWholeFilesAndRefusesFolders) {
    EXPECT_EQ(files_.read_whole(icon_), Bytes("\0\0\1\0\xF5", 5));
    EXPECT_EQ(files_.read_whole(empty_), Bytes());
    EXPECT_EQ(files_.read_whole(folder_), std::nullopt);
    EXPECT_EQ(files_.read_whole(folder_ + "\\没有.ico"), std::nullopt);
    EXPECT_EQ(files_.read_whole(""), std::nullopt);
}

TEST_F(PictureFilesTest, LoadTakesTheSavedFileOrFallsBack) {
    class OneValue final : public ConfigStore {
    public:
        Text read_config_value(const Text&, const Text&, const std::optional<Text>&) override { return path; }
        void write_config_value(const Text&, const Text&, const Text&) override {}
        Text path;
    } config;
    const Bytes fallback = default_tray_icon();
    config.path = icon_;
    EXPECT_EQ(load_tray_picture(config, files_, fallback), Bytes("\0\0\1\0\xF5", 5));
    config.path = folder_;  // exists, cannot be read: an empty picture
    EXPECT_EQ(load_tray_picture(config, files_, fallback), Bytes());
    config.path = folder_ + "\\没有.ico";
    EXPECT_TRUE(load_tray_picture(config, files_, fallback) == fallback);
}

TEST(IconDialogDirectory, GoesBackToTheRememberedOne) {
    Win32IconFileDialog dialog(nullptr);
    const Text start = dialog.current_directory();
    ASSERT_FALSE(start.empty());
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    dialog.set_current_directory(temp);
    EXPECT_NE(dialog.current_directory(), start);
    dialog.set_current_directory(start);
    EXPECT_EQ(dialog.current_directory(), start);
}

}  // namespace
}  // namespace tq
