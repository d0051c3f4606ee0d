#include "books/folder_ops.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

namespace tq {
namespace {

struct ShownMessage {
    Text text;
    Text title;
    MessageButtons buttons;
    MessageIcon icon;
    bool operator==(const ShownMessage&) const = default;
};

// Every fake writes into one log so that the order of the steps shows.
struct World : FolderDialogs, BookFiles, BookFolderControls, ConfigStore, MessageBoxes {
    // Dialogs.
    Text browsed_folder;
    Text import_selection;
    Text browse_for_folder() override { log.push_back("browse"); return browsed_folder; }
    Text ask_for_import_files() override { log.push_back("ask import"); return import_selection; }

    // File system.
    std::set<Text> folders;
    std::map<Text, Text> names;  // path -> file name as the platform gives it
    std::set<Text> failing_copies;
    bool delete_succeeds = true;
    std::vector<std::pair<Text, Text>> copies;
    std::vector<Text> deletions;
    bool is_existing_folder(const Text& path) override { return folders.count(path) != 0; }
    Text file_name_of(const Text& path) override { return names.at(path); }
    bool copy_file(const Text& source, const Text& target) override {
        log.push_back("copy " + source);
        copies.emplace_back(source, target);
        return failing_copies.count(source) == 0;
    }
    bool delete_file(const Text& path) override {
        log.push_back("delete " + path);
        deletions.push_back(path);
        return delete_succeeds;
    }
    void beep() override { log.push_back("beep"); }

    // Controls.
    Text edit_text = "C:\\books";
    Text list_folder = "C:\\books";
    Text selection;
    Text folder_text() override { return edit_text; }
    void set_folder_text(const Text& folder) override { edit_text = folder; }
    void set_list_folder(const Text& folder) override { list_folder = folder; }
    Text selected_name() override { return selection; }
    void refresh_book_list() override { log.push_back("refresh"); }

    // Configuration file.
    std::vector<std::vector<Text>> config_writes;
    Text read_config_value(const Text&, const Text&, const std::optional<Text>& d) override {
        return d.value_or("");
    }
    void write_config_value(const Text& section, const Text& key, const Text& value) override {
        config_writes.push_back({section, key, value});
    }

    // Message boxes.
    MessageAnswer answer = MessageAnswer::Ok;
    std::vector<ShownMessage> messages;
    MessageAnswer show(const Text& text, const Text& title, MessageButtons buttons,
                       MessageIcon icon) override {
        log.push_back("message");
        messages.push_back({text, title, buttons, icon});
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : answer;
    }

    std::vector<Text> log;
    BookFolderPorts ports{*this, *this, *this, *this, *this};
};

const ShownMessage kInvalidFolder{"无效的文件夹！", "警告", MessageButtons::Ok,
                                  MessageIcon::Exclamation};

TEST(ChooseBookFolder, ExistingFolderBecomesTheBookFolder) {
    World w;
    w.browsed_folder = "D:\\小说";
    w.folders.insert("D:\\小说");
    choose_book_folder(w.ports);
    EXPECT_EQ(w.edit_text, "D:\\小说");
    EXPECT_EQ(w.list_folder, "D:\\小说");
    EXPECT_EQ(w.config_writes, (std::vector<std::vector<Text>>{{"初始化", "文件框", "D:\\小说"}}));
    EXPECT_TRUE(w.messages.empty());
    EXPECT_EQ(w.log, (std::vector<Text>{"browse", "refresh"}));
}

TEST(ChooseBookFolder, CancelOrInvalidFolderWarnsAndChangesNothing) {
    struct Case {
        const char* name;
        Text browsed;
    };
    const Case cases[] = {
        {"cancelled", ""},
        {"not a folder", "D:\\a.txt"},
        {"missing folder", "D:\\gone"},
    };
    for (const Case& c : cases) {
        World w;
        w.browsed_folder = c.browsed;
        w.folders.insert("D:\\other");
        choose_book_folder(w.ports);
        EXPECT_EQ(w.edit_text, "C:\\books") << c.name;
        EXPECT_EQ(w.list_folder, "C:\\books") << c.name;
        EXPECT_TRUE(w.config_writes.empty()) << c.name;
        EXPECT_EQ(w.messages, std::vector<ShownMessage>{kInvalidFolder}) << c.name;
        EXPECT_EQ(w.log, (std::vector<Text>{"browse", "message", "refresh"})) << c.name;
    }
}

TEST(ImportBooks, CopiesEachFileIntoTheFolderAndWarnsPerFailure) {
    World w;
    w.edit_text = "C:\\books\\";
    w.import_selection = "D:\\a.txt\r\nD:\\b.txt\r\nD:\\c.txt";
    w.names = {{"D:\\a.txt", "a.txt"}, {"D:\\b.txt", "b.txt"}, {"D:\\c.txt", "c.txt"}};
    w.failing_copies.insert("D:\\b.txt");
    import_books(w.ports);
    EXPECT_EQ(w.copies, (std::vector<std::pair<Text, Text>>{{"D:\\a.txt", "C:\\books\\a.txt"},
                                                           {"D:\\b.txt", "C:\\books\\b.txt"},
                                                           {"D:\\c.txt", "C:\\books\\c.txt"}}));
    EXPECT_EQ(w.messages, (std::vector<ShownMessage>{{"导入文件D:\\b.txt失败！", "警告",
                                                      MessageButtons::Ok,
                                                      MessageIcon::Exclamation}}));
    EXPECT_EQ(w.log, (std::vector<Text>{"ask import", "copy D:\\a.txt", "copy D:\\b.txt", "message",
                                        "copy D:\\c.txt", "refresh"}));
    EXPECT_TRUE(w.config_writes.empty());
}

TEST(ImportBooks, TargetFollowsTheEditBoxText) {
    World w;
    w.edit_text = "E:\\新书";
    w.list_folder = "C:\\elsewhere";
    w.import_selection = "D:\\下载\\三国.txt";
    w.names = {{"D:\\下载\\三国.txt", "三国.txt"}};
    import_books(w.ports);
    EXPECT_EQ(w.copies,
              (std::vector<std::pair<Text, Text>>{{"D:\\下载\\三国.txt", "E:\\新书\\三国.txt"}}));
    EXPECT_TRUE(w.messages.empty());
}

TEST(ImportBooks, CancelledDialogCopiesNothingAndSaysNothing) {
    World w;
    import_books(w.ports);
    EXPECT_TRUE(w.copies.empty());
    EXPECT_TRUE(w.messages.empty());
    EXPECT_EQ(w.log, (std::vector<Text>{"ask import", "refresh"}));
}

TEST(DeleteSelectedBook, AsksThenReportsTheOutcome) {
    const Text path = "C:\\books\\a.txt";
    const ShownMessage question{"确定删除" + path + "？", "提示", MessageButtons::OkCancel,
                                MessageIcon::Question};
    struct Case {
        const char* name;
        MessageAnswer answer;
        bool delete_succeeds;
        std::vector<ShownMessage> messages;
        std::vector<Text> deletions;
    };
    const Case cases[] = {
        {"deleted",
         MessageAnswer::Ok,
         true,
         {question, {"删除" + path + "成功", "提示", MessageButtons::Ok, MessageIcon::Information}},
         {path}},
        {"deletion failed",
         MessageAnswer::Ok,
         false,
         {question, {"删除" + path + "失败", "提示", MessageButtons::Ok, MessageIcon::Exclamation}},
         {path}},
        {"cancelled", MessageAnswer::Cancel, true, {question}, {}},
    };
    for (const Case& c : cases) {
        World w;
        w.selection = "a.txt";
        w.answer = c.answer;
        w.delete_succeeds = c.delete_succeeds;
        delete_selected_book(w.ports);
        EXPECT_EQ(w.messages, c.messages) << c.name;
        EXPECT_EQ(w.deletions, c.deletions) << c.name;
        ASSERT_GE(w.log.size(), 2u) << c.name;
        EXPECT_EQ(w.log.front(), "beep") << c.name;
        EXPECT_EQ(w.log.back(), "refresh") << c.name;
    }
}

TEST(DeleteSelectedBook, NothingSelectedAsksForTheFolderPath) {
    World w;
    w.delete_succeeds = false;  // as deleting a folder path fails
    delete_selected_book(w.ports);
    ASSERT_FALSE(w.messages.empty());
    EXPECT_EQ(w.messages.front().text, "确定删除C:\\books\\？");
    EXPECT_EQ(w.deletions, std::vector<Text>{"C:\\books\\"});
    EXPECT_EQ(w.messages.back().text, "删除C:\\books\\失败");
}

}  // namespace
}  // namespace tq
