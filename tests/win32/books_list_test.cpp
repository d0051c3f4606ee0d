// The book list on a real list box and a real temporary folder.
#include "books/book_list_win32.h"

#include <gtest/gtest.h>

#include <string>

#include "shell/unique_handle.h"

namespace tq {
namespace {

constexpr const char* kHostClass = "TqBookListTestHost";
constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_SORT | LBS_NOTIFY;

int g_selection_changes = 0;

LRESULT CALLBACK host_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_COMMAND && HIWORD(wparam) == LBN_SELCHANGE) ++g_selection_changes;
    return DefWindowProcA(window, message, wparam, lparam);
}

// A fresh folder under the temporary directory, removed with its files.
class TempFolder {
public:
    TempFolder() {
        char base[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, base);
        path_ = std::string(base) + "tq_books_list_" + std::to_string(GetCurrentProcessId()) +
                "_" + std::to_string(counter_++);
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~TempFolder() { remove_tree(path_); }
    const Text& path() const { return path_; }
    Text file(const Text& name) const { return path_ + "\\" + name; }

    void add_file(const Text& name, DWORD attributes = FILE_ATTRIBUTE_NORMAL) const {
        unique_file file(CreateFileA(this->file(name).c_str(), GENERIC_WRITE, 0, nullptr,
                                     CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(file) << name;
        file.reset();
        ASSERT_TRUE(SetFileAttributesA(this->file(name).c_str(), attributes)) << name;
    }

private:
    static void remove_tree(const Text& folder) {
        WIN32_FIND_DATAA data{};
        unique_find search(FindFirstFileA((folder + "\\*").c_str(), &data));
        if (search) {
            do {
                const Text name = data.cFileName;
                if (name == "." || name == "..") continue;
                const Text path = folder + "\\" + name;
                if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    remove_tree(path);
                } else {
                    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                    DeleteFileA(path.c_str());
                }
            } while (FindNextFileA(search.get(), &data));
        }
        search.reset();
        RemoveDirectoryA(folder.c_str());
    }

    static inline int counter_ = 0;
    Text path_;
};

class BookListTest : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSA window_class{};
        window_class.lpfnWndProc = host_proc;
        window_class.hInstance = GetModuleHandleA(nullptr);
        window_class.lpszClassName = kHostClass;
        RegisterClassA(&window_class);  // fails harmlessly when already there
        host_.reset(CreateWindowExA(0, kHostClass, "host", WS_OVERLAPPEDWINDOW, 0, 0, 300, 300,
                                    nullptr, nullptr, GetModuleHandleA(nullptr), nullptr));
        ASSERT_TRUE(host_);
        list_box_ = CreateWindowExA(0, "LISTBOX", "", kListStyle, 0, 0, 200, 200, host_.get(),
                                    nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(list_box_, nullptr);
        g_selection_changes = 0;
    }

    // As the user does it: the list box reports it to its parent.
    void click_entry(BookList& list, const Text& name) {
        const auto entries = list.entries();
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (entries[i] != name) continue;
            SendMessageA(list_box_, LB_SETCURSEL, i, 0);
            SendMessageA(host_.get(), WM_COMMAND, MAKEWPARAM(0, LBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(list_box_));
            return;
        }
        FAIL() << "no entry " << name;
    }

    unique_window host_;
    HWND list_box_ = nullptr;  // a child of host_, which destroys it
    TempFolder folder_;
};

TEST_F(BookListTest, ListsPlainTextFilesOnlySortedIgnoringCase) {
    folder_.add_file("normal.txt");
    folder_.add_file("Archived.txt", FILE_ATTRIBUTE_ARCHIVE);
    folder_.add_file("read-only.txt", FILE_ATTRIBUTE_READONLY);
    folder_.add_file("hidden.txt", FILE_ATTRIBUTE_HIDDEN);
    folder_.add_file("system.txt", FILE_ATTRIBUTE_SYSTEM);
    folder_.add_file("notes.doc");
    ASSERT_TRUE(CreateDirectoryA(folder_.file("x.txt").c_str(), nullptr));

    BookList list(list_box_);
    list.set_folder(folder_.path());
    EXPECT_EQ(list.entries(), (std::vector<Text>{"Archived.txt", "normal.txt", "read-only.txt"}));
    EXPECT_EQ(list.folder(), folder_.path());
    EXPECT_EQ(list.selected_name(), "");
}

TEST_F(BookListTest, FolderIsStoredAsGivenAndATrailingBackslashListsTheSame) {
    folder_.add_file("a.txt");
    BookList list(list_box_);
    const Text with_backslash = folder_.path() + "\\";
    list.set_folder(with_backslash);
    EXPECT_EQ(list.folder(), with_backslash);
    EXPECT_EQ(list.entries(), std::vector<Text>{"a.txt"});
}

TEST_F(BookListTest, MissingFolderListsNothing) {
    folder_.add_file("a.txt");
    BookList list(list_box_);
    list.set_folder(folder_.path());
    list.set_folder(folder_.file("gone"));
    EXPECT_TRUE(list.entries().empty());
    EXPECT_EQ(list.selected_name(), "");
}

TEST_F(BookListTest, EmptyFolderStandsForTheCurrentDirectory) {
    folder_.add_file("here.txt");
    const Text before = current_directory();
    ASSERT_TRUE(SetCurrentDirectoryA(folder_.path().c_str()));
    const Text here = current_directory();
    BookList list(list_box_);
    list.set_folder("");
    const Text stored = list.folder();
    const auto entries = list.entries();
    SetCurrentDirectoryA(before.c_str());
    ASSERT_FALSE(here.empty());
    EXPECT_EQ(stored, here);
    EXPECT_EQ(entries, std::vector<Text>{"here.txt"});
}

TEST_F(BookListTest, SelectionSurvivesARefillWithACaseChange) {
    folder_.add_file("a.txt");
    folder_.add_file("Book.txt");
    BookList list(list_box_);
    list.set_folder(folder_.path());
    click_entry(list, "Book.txt");
    ASSERT_EQ(list.selected_name(), "Book.txt");
    g_selection_changes = 0;

    // Wine leaves a rename that changes only the case alone, so the file is
    // made again under the new spelling.
    ASSERT_TRUE(DeleteFileA(folder_.file("Book.txt").c_str()));
    folder_.add_file("BOOK.txt");
    folder_.add_file("0-first.txt");  // moves the entry to another index
    list.refresh();
    EXPECT_EQ(list.selected_name(), "BOOK.txt");
    EXPECT_EQ(g_selection_changes, 0);
}

TEST_F(BookListTest, SelectionIsClearedWhenTheFileHasGone) {
    folder_.add_file("a.txt");
    folder_.add_file("b.txt");
    BookList list(list_box_);
    list.set_folder(folder_.path());
    click_entry(list, "b.txt");
    g_selection_changes = 0;

    ASSERT_TRUE(DeleteFileA(folder_.file("b.txt").c_str()));
    list.refresh();
    EXPECT_EQ(list.entries(), std::vector<Text>{"a.txt"});
    EXPECT_EQ(list.selected_name(), "");
    EXPECT_EQ(SendMessageA(list_box_, LB_GETCURSEL, 0, 0), LB_ERR);
    EXPECT_EQ(g_selection_changes, 0);
}

TEST_F(BookListTest, RefillsNeverReportASelectionChange) {
    folder_.add_file("a.txt");
    BookList list(list_box_);
    list.set_folder(folder_.path());
    click_entry(list, "a.txt");
    ASSERT_EQ(g_selection_changes, 1);  // the host does see a user's change
    g_selection_changes = 0;

    list.refresh();                       // selection kept
    list.set_folder(folder_.file("gone"));  // selection cleared
    list.set_folder(folder_.path());
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    EXPECT_EQ(g_selection_changes, 0);
}

}  // namespace
}  // namespace tq
