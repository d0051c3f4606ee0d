#include "books/book_list.h"

#include <gtest/gtest.h>

namespace tq {
namespace {

// A code-page-936 character whose trail byte is 0x5C, the backslash byte.
constexpr const char* kTrailBackslashChar = "\x81\x5C";

TEST(BookListFilter, ShowsOnlyPlainFiles) {
    struct Case {
        const char* name;
        std::uint32_t attributes;
        bool listed;
    };
    const Case cases[] = {
        {"no attributes", 0, true},
        {"normal", kFileAttributeNormal, true},
        {"archived", kFileAttributeArchive, true},
        {"read-only", kFileAttributeReadOnly, true},
        {"read-only and archived", kFileAttributeReadOnly | kFileAttributeArchive, true},
        {"hidden", kFileAttributeHidden, false},
        {"system", kFileAttributeSystem, false},
        {"hidden archived", kFileAttributeHidden | kFileAttributeArchive, false},
        {"directory", kFileAttributeDirectory, false},
        {"read-only directory", kFileAttributeDirectory | kFileAttributeReadOnly, false},
    };
    for (const Case& c : cases) EXPECT_EQ(is_listed_book(c.attributes), c.listed) << c.name;
}

TEST(BookListFilter, ListsEachNameOnceAndDropsTheRest) {
    const std::vector<FoundFile> found = {
        {"b.txt", kFileAttributeArchive},
        {"x.txt", kFileAttributeDirectory},
        {"hidden.txt", kFileAttributeHidden},
        {"a.txt", kFileAttributeReadOnly},
        {"b.txt", kFileAttributeArchive},
        {"sys.txt", kFileAttributeSystem | kFileAttributeArchive},
    };
    EXPECT_EQ(listed_book_names(found), (std::vector<Text>{"b.txt", "a.txt"}));
}

TEST(BookPath, JoinsFolderAndName) {
    struct Case {
        const char* name;
        Text folder;
        Text file;
        Text expected;
    };
    const Case cases[] = {
        {"plain folder", "C:\\books", "a.txt", "C:\\books\\a.txt"},
        {"trailing backslash", "C:\\books\\", "a.txt", "C:\\books\\a.txt"},
        {"drive root", "D:\\", "a.txt", "D:\\a.txt"},
        {"empty folder", "", "a.txt", "\\a.txt"},
        {"empty name", "C:\\books", "", "C:\\books\\"},
        {"chinese folder", "C:\\小说", "三国.txt", "C:\\小说\\三国.txt"},
        {"trail byte 0x5C is not a separator", Text("C:\\") + kTrailBackslashChar, "a.txt",
         Text("C:\\") + kTrailBackslashChar + "\\a.txt"},
        {"backslash after a two-byte character", Text("C:\\") + kTrailBackslashChar + "\\",
         "a.txt", Text("C:\\") + kTrailBackslashChar + "\\a.txt"},
    };
    for (const Case& c : cases) EXPECT_EQ(join_book_path(c.folder, c.file), c.expected) << c.name;
}

TEST(BookPath, FolderWithAndWithoutTrailingBackslashGiveTheSamePath) {
    EXPECT_EQ(selected_book_path("E:\\书库", "红楼梦.txt"),
              selected_book_path("E:\\书库\\", "红楼梦.txt"));
}

TEST(BookPath, NoSelectionGivesTheFolderWithATrailingBackslash) {
    EXPECT_EQ(selected_book_path("E:\\books", ""), "E:\\books\\");
    EXPECT_EQ(selected_book_path("E:\\books\\", ""), "E:\\books\\");
}

TEST(BookPath, SearchPathAddsThePattern) {
    EXPECT_EQ(book_search_path("C:\\books"), "C:\\books\\*.txt");
    EXPECT_EQ(book_search_path("C:\\"), "C:\\*.txt");
}

TEST(BookNames, CompareIgnoringAsciiCaseOnly) {
    struct Case {
        const char* name;
        Text a;
        Text b;
        bool same;
    };
    const Case cases[] = {
        {"identical", "a.txt", "a.txt", true},
        {"letter case", "Book.TXT", "book.txt", true},
        {"different names", "a.txt", "b.txt", false},
        {"prefix only", "a.txt", "a.txt.bak", false},
        {"chinese identical", "水浒.txt", "水浒.TXT", true},
        // 0x8141 and 0x8161 are different characters although their trail
        // bytes are 'A' and 'a'.
        {"trail bytes are not letters", "\x81\x41.txt", "\x81\x61.txt", false},
        {"empty against name", "", "a.txt", false},
    };
    for (const Case& c : cases) EXPECT_EQ(same_book_name(c.a, c.b), c.same) << c.name;
}

TEST(BookSelection, KeptWhenTheNameIsStillThere) {
    const std::vector<Text> entries = {"a.txt", "Book.txt", "c.txt"};
    struct Case {
        const char* name;
        Text previous;
        std::optional<std::size_t> kept;
    };
    const Case cases[] = {
        {"same name", "Book.txt", 1},
        {"case changed", "BOOK.txt", 1},
        {"name has gone", "gone.txt", std::nullopt},
        {"nothing was selected", "", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(kept_selection(entries, c.previous), c.kept) << c.name;
}

TEST(BookSelection, EmptyListKeepsNothing) {
    EXPECT_EQ(kept_selection({}, "a.txt"), std::nullopt);
}

}  // namespace
}  // namespace tq
