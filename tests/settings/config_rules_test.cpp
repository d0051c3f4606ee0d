#include "settings/config_rules.h"

#include <gtest/gtest.h>

namespace tq {
namespace {

struct DirectoryCase {
    const char* name;
    Text module_path;
    Text directory;
};

class DirectoryOf : public testing::TestWithParam<DirectoryCase> {};

TEST_P(DirectoryOf, CutsAtTheLastRealSeparator) {
    EXPECT_EQ(directory_of(GetParam().module_path), GetParam().directory);
}

// "\x95\x5C" is one two-byte character whose second byte is a backslash.
INSTANTIATE_TEST_SUITE_P(
    ModulePaths, DirectoryOf,
    testing::Values(
        DirectoryCase{"Nested", "C:\\Programs\\Tarnquil\\tarnquil.exe", "C:\\Programs\\Tarnquil"},
        DirectoryCase{"DriveRoot", "C:\\tarnquil.exe", "C:"},
        DirectoryCase{"ChineseFolder", "D:\\小说\\阅读器.exe", "D:\\小说"},
        DirectoryCase{"TrailByteInFileName", "C:\\apps\\\x95\x5C.exe", "C:\\apps"},
        DirectoryCase{"TrailByteEndsFolder", "C:\\a\x95\x5C\\b.exe", "C:\\a\x95\x5C"},
        DirectoryCase{"OnlyTrailBytes", "x\x95\x5Cy\x95\x5C", ""},
        DirectoryCase{"LoneLeadByteBeforeSeparator", "C:\\a\\\x95", "C:\\a"},
        DirectoryCase{"UncShare", "\\\\server\\share\\t.exe", "\\\\server\\share"},
        DirectoryCase{"NoSeparator", "tarnquil.exe", ""}),
    [](const auto& info) { return info.param.name; });

TEST(ConfigPath, FollowsTheProgramDirectoryWithOneBackslash) {
    EXPECT_EQ(config_path_in("C:"), "C:\\配置文件.ini");
    EXPECT_EQ(config_path_in(directory_of("C:\\tarnquil.exe")), "C:\\配置文件.ini");
    EXPECT_EQ(config_path_in("D:\\小说\\程序"), "D:\\小说\\程序\\配置文件.ini");
}

struct BackslashCase {
    const char* name;
    Text folder;
    Text expected;
};

class TrailingBackslash : public testing::TestWithParam<BackslashCase> {};

TEST_P(TrailingBackslash, IsAddedOnlyWhenMissing) {
    EXPECT_EQ(with_trailing_backslash(GetParam().folder), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    DesktopFolders, TrailingBackslash,
    testing::Values(BackslashCase{"Plain", "C:\\Users\\me\\Desktop", "C:\\Users\\me\\Desktop\\"},
                    BackslashCase{"AlreadyEnds", "C:\\Users\\me\\Desktop\\", "C:\\Users\\me\\Desktop\\"},
                    BackslashCase{"EndsInTrailByte", "C:\\\x95\x5C", "C:\\\x95\x5C\\"},
                    BackslashCase{"PlatformGaveNothing", "", ""}),
    [](const auto& info) { return info.param.name; });

struct RequestCase {
    const char* name;
    Text path, section, key;
    std::optional<Text> default_value;
    bool asks_platform;
    Text expected_section, expected_key;
    std::optional<Text> expected_default;
};

class ReadRequest : public testing::TestWithParam<RequestCase> {};

TEST_P(ReadRequest, TrimsAndDecidesWhetherToAsk) {
    const RequestCase& c = GetParam();
    const auto request = profile_read_request(c.path, c.section, c.key, c.default_value);
    ASSERT_EQ(request.has_value(), c.asks_platform);
    if (!request) return;
    EXPECT_EQ(request->path, trim_leading_blanks(c.path));
    EXPECT_EQ(request->section, c.expected_section);
    EXPECT_EQ(request->key, c.expected_key);
    EXPECT_EQ(request->default_value, c.expected_default);
}

const Text kPath = "C:\\配置文件.ini";

INSTANTIATE_TEST_SUITE_P(
    Arguments, ReadRequest,
    testing::Values(
        RequestCase{"Plain", kPath, "初始化", "停留时间", Text("1"), true, "初始化", "停留时间", Text("1")},
        RequestCase{"LeadingBlanksAndTabs", " \t" + kPath, "  书.txt", "\x01行数", Text(" 1 "), true,
                    "书.txt", "行数", Text(" 1 ")},
        RequestCase{"NoDefault", kPath, "初始化", "图片框", std::nullopt, true, "初始化", "图片框",
                    std::nullopt},
        RequestCase{"EmptyDefaultPassedAsNone", kPath, "初始化", "图片框", Text(""), true, "初始化",
                    "图片框", std::nullopt},
        RequestCase{"EmptySectionIgnoresDefault", kPath, "", "行数", Text("1"), false, "", "", {}},
        RequestCase{"BlankSection", kPath, "   ", "行数", Text("1"), false, "", "", {}},
        RequestCase{"EmptyKey", kPath, "初始化", "", Text("1"), false, "", "", {}},
        RequestCase{"NoPathYet", "", "初始化", "停留时间", Text("1"), false, "", "", {}}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace tq
