// The INI file on the platform's private-profile functions, in a real
// temporary folder (with a Chinese name, as users' folders often have).
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>

#include "settings/config_file_win32.h"
#include "settings/config_rules.h"

namespace tq {
namespace {

Bytes file_bytes(const Text& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    Bytes bytes(1 << 16, '\0');
    DWORD read = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

bool is_file(const Text& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool is_folder(const Text& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

class ConfigFileTest : public testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        folder_ = with_trailing_backslash(temp) + "设置测试" + int_to_text(GetCurrentProcessId()) +
                  "_" + int_to_text(GetTickCount());
        ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr)) << folder_;
    }
    void TearDown() override {
        DeleteFileA(config_path_in(folder_).c_str());
        RemoveDirectoryA(config_path_in(folder_).c_str());
        RemoveDirectoryA(folder_.c_str());
    }

    Text folder_;
    ReadingState state_;
};

TEST_F(ConfigFileTest, OpenCreatesAnEmptyFileWhenNothingIsThere) {
    open_config_in(state_, folder_);
    EXPECT_EQ(state_.config_path, folder_ + "\\配置文件.ini");
    ASSERT_TRUE(is_file(state_.config_path));
    EXPECT_EQ(file_bytes(state_.config_path), "");
}

TEST_F(ConfigFileTest, OpenLeavesAnExistingFileAlone) {
    const Text path = config_path_in(folder_);
    const Bytes content = "[初始化]\r\n停留时间=7\r\n";
    {
        std::ofstream out(path.c_str(), std::ios::binary);
        out << content;
    }
    open_config_in(state_, folder_);
    EXPECT_EQ(file_bytes(path), content);
    EXPECT_EQ(ConfigFile(state_).read_config_value("初始化", "停留时间", Text("1")), "7");
}

TEST_F(ConfigFileTest, AFolderOfThatNameCountsAsExisting) {
    const Text path = config_path_in(folder_);
    ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr));
    open_config_in(state_, folder_);
    EXPECT_EQ(state_.config_path, path);
    EXPECT_TRUE(is_folder(path));
    // Reads then give their defaults; nothing crashes.
    EXPECT_EQ(ConfigFile(state_).read_config_value("初始化", "单次显示字数", Text("2")), "2");
}

TEST_F(ConfigFileTest, ReadsFollowThePlatformsRules) {
    open_config_in(state_, folder_);
    ConfigFile config(state_);
    config.write_config_value("初始化", "单次显示字数", "");
    config.write_config_value("初始化", "停留时间", "5abc");
    config.write_config_value("小说.txt", "行数", "12");

    struct Case {
        const char* name;
        Text section, key;
        std::optional<Text> default_value;
        Text expected;
    };
    const Case cases[] = {
        {"EmptyValueIsNotTheDefault", "初始化", "单次显示字数", Text("2"), ""},
        {"MissingKeyGivesTheDefault", "初始化", "文件框", Text("C:\\桌面\\"), "C:\\桌面\\"},
        {"MissingKeyWithoutDefault", "初始化", "图片框", std::nullopt, ""},
        {"MissingSectionGivesTheDefault", "没有.txt", "当行段数", Text("1"), "1"},
        {"ValueAsWritten", "初始化", "停留时间", Text("1"), "5abc"},
        {"ChineseSection", "小说.txt", "行数", std::nullopt, "12"},
        {"LeadingBlanksInSectionDropped", "  \t小说.txt", "行数", std::nullopt, "12"},
        {"LeadingBlanksInKeyDropped", "小说.txt", " 行数", std::nullopt, "12"},
        {"EmptySectionIgnoresTheDefault", "", "行数", Text("1"), ""},
        {"BlankKeyIgnoresTheDefault", "初始化", "  ", Text("1"), ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(config.read_config_value(c.section, c.key, c.default_value), c.expected) << c.name;

    const Bytes file = file_bytes(state_.config_path);
    EXPECT_NE(file.find("[小说.txt]"), Bytes::npos) << "the section name is stored in code page 936";
    EXPECT_NE(file.find("单次显示字数="), Bytes::npos) << "an empty value keeps its key";
}

TEST_F(ConfigFileTest, LongValuesComeBackCutToTheBuffer) {
    open_config_in(state_, folder_);
    ConfigFile config(state_);
    config.write_config_value("初始化", "文件框", Text(12000, 'a'));
    EXPECT_EQ(config.read_config_value("初始化", "文件框"), Text(kConfigValueBufferSize - 1, 'a'));
}

TEST_F(ConfigFileTest, WritesReachTheFileAtOnceAndLaterReadsSeeHandEdits) {
    open_config_in(state_, folder_);
    ConfigFile config(state_);
    config.write_config_value("初始化", "停留时间", "3");
    EXPECT_NE(file_bytes(state_.config_path).find("停留时间=3"), Bytes::npos);
    WritePrivateProfileStringA("初始化", "停留时间", "9", state_.config_path.c_str());
    EXPECT_EQ(config.read_config_value("初始化", "停留时间", Text("1")), "9");
}

TEST(ConfigFileMissing, ReadsGiveDefaultsWhenTheFileCannotExist) {
    ReadingState state;
    open_config_in(state, "C:\\没有这个文件夹\\也没有");
    EXPECT_FALSE(is_file(state.config_path));
    EXPECT_EQ(ConfigFile(state).read_config_value("初始化", "停留时间", Text("1")), "1");
}

TEST(ProgramDirectory, IsTheModulePathWithoutItsFileName) {
    const Text module = module_file_path();
    ASSERT_FALSE(module.empty());
    const Text directory = program_directory();
    ASSERT_FALSE(directory.empty());
    EXPECT_TRUE(is_folder(directory)) << directory;
    ASSERT_LT(directory.size(), module.size());
    EXPECT_EQ(module.substr(0, directory.size() + 1), directory + "\\");
    EXPECT_EQ(module.find('\\', directory.size() + 1), Text::npos) << "cut at the last backslash";
    EXPECT_TRUE(is_file(module));
}

TEST(DesktopFolder, EndsInABackslashAndExists) {
    const Text desktop = desktop_folder_default();
    if (desktop.empty()) GTEST_SKIP() << "this prefix names no desktop folder";
    EXPECT_EQ(desktop.back(), '\\');
    EXPECT_TRUE(is_folder(desktop.substr(0, desktop.size() - 1))) << desktop;
}

}  // namespace
}  // namespace tq
