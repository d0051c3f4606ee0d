#include "settings/tray_picture.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "fakes.h"

namespace tq {
namespace {

using test::FakeConfig;

class FakeFiles final : public PictureFiles {
public:
    bool exists(const Text& path) override {
        return !path.empty() && (files.count(path) != 0 || folders.count(path) != 0);
    }
    std::optional<Bytes> read_whole(const Text& path) override {
        const auto it = files.find(path);
        if (it == files.end() || locked.count(path) != 0) return std::nullopt;
        return it->second;
    }
    std::map<Text, Bytes> files;
    std::set<Text> folders;
    std::set<Text> locked;
};

class FakeDialog final : public IconFileDialog {
public:
    Text current_directory() override { return cwd; }
    void set_current_directory(const Text& directory) override { cwd = directory; }
    std::optional<Text> run(const Text& initial_directory) override {
        opened_in = initial_directory;
        cwd = "D:\\elsewhere";  // the user browsed away
        return answer;
    }
    Text cwd = "C:\\start";
    Text opened_in;
    std::optional<Text> answer;
};

const Bytes kDefault = Bytes("\0\0\1\0", 4) + "default";
const Bytes kChosen = Bytes("\0\0\1\0", 4) + "chosen";

struct LoadCase {
    const char* name;
    std::optional<Text> saved_path;
    Bytes expected;
};

class LoadTrayPicture : public testing::TestWithParam<LoadCase> {};

TEST_P(LoadTrayPicture, PicksTheSavedFileOrTheBuiltInIcon) {
    FakeConfig config;
    if (GetParam().saved_path) config.values[{"初始化", "图片框"}] = *GetParam().saved_path;
    FakeFiles files;
    files.files["C:\\图标\\游戏.ico"] = kChosen;
    files.files["C:\\locked.ico"] = kChosen;
    files.locked.insert("C:\\locked.ico");
    files.folders.insert("C:\\图标");
    files.files["C:\\empty.ico"] = Bytes();

    EXPECT_EQ(load_tray_picture(config, files, kDefault), GetParam().expected);
    EXPECT_TRUE(config.writes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    SavedChoices, LoadTrayPicture,
    testing::Values(LoadCase{"FirstStart", std::nullopt, kDefault},
                    LoadCase{"CancelledChoice", Text(""), kDefault},
                    LoadCase{"ExistingFile", Text("C:\\图标\\游戏.ico"), kChosen},
                    LoadCase{"FileGone", Text("C:\\图标\\旧.ico"), kDefault},
                    LoadCase{"FolderExistsButCannotBeRead", Text("C:\\图标"), Bytes()},
                    LoadCase{"LockedFile", Text("C:\\locked.ico"), Bytes()},
                    LoadCase{"EmptyFile", Text("C:\\empty.ico"), Bytes()}),
    [](const auto& info) { return info.param.name; });

TEST(AskForIconFile, OpensInAndRestoresTheCurrentDirectoryWhateverTheOutcome) {
    struct Case {
        const char* name;
        std::optional<Text> answer;
        Text expected;
    };
    for (const Case& c : {Case{"Chosen", Text("D:\\elsewhere\\a.ico"), "D:\\elsewhere\\a.ico"},
                          Case{"Cancelled", std::nullopt, ""}}) {
        FakeDialog dialog;
        dialog.answer = c.answer;
        EXPECT_EQ(ask_for_icon_file(dialog), c.expected) << c.name;
        EXPECT_EQ(dialog.opened_in, "C:\\start") << c.name;
        EXPECT_EQ(dialog.cwd, "C:\\start") << c.name;
    }
}

struct ChooseCase {
    const char* name;
    std::optional<Text> answer;
    Bytes picture;
    Text stored;
};

class ChooseTrayPicture : public testing::TestWithParam<ChooseCase> {};

TEST_P(ChooseTrayPicture, TakesTheBytesUnchangedAndStoresThePath) {
    FakeDialog dialog;
    dialog.answer = GetParam().answer;
    FakeFiles files;
    files.files["D:\\elsewhere\\游戏.ico"] = kChosen;
    files.files["D:\\elsewhere\\note.txt"] = "not an icon";
    FakeConfig config;

    EXPECT_EQ(choose_tray_picture(dialog, files, config), GetParam().picture);
    EXPECT_EQ(config.writes,
              (std::vector<FakeConfig::Write>{{"初始化", "图片框", GetParam().stored}}));
    EXPECT_EQ(dialog.cwd, "C:\\start");
}

INSTANTIATE_TEST_SUITE_P(
    Choices, ChooseTrayPicture,
    testing::Values(
        ChooseCase{"Icon", Text("D:\\elsewhere\\游戏.ico"), kChosen, "D:\\elsewhere\\游戏.ico"},
        ChooseCase{"NotAnIconTakenAsItIs", Text("D:\\elsewhere\\note.txt"), "not an icon",
                   "D:\\elsewhere\\note.txt"},
        ChooseCase{"NameThatDoesNotExist", Text("D:\\elsewhere\\无.ico"), Bytes(), "D:\\elsewhere\\无.ico"},
        ChooseCase{"Cancelled", std::nullopt, Bytes(), ""}),
    [](const auto& info) { return info.param.name; });

TEST(DialogFilter, BarsBecomeZeroBytesAndTwoZerosEndIt) {
    EXPECT_EQ(dialog_filter_buffer(kIconFilter), Bytes("图标（*.ico）\0*.ico\0\0", 21));
    // "\x81\x7C" is one character whose second byte is a bar.
    EXPECT_EQ(dialog_filter_buffer("a\x81\x7C|*.x"), Bytes("a\x81\x7C\0*.x\0\0", 9));
}

}  // namespace
}  // namespace tq
