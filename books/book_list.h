// The rules of the book list "文件框1" over plain data: which files of the
// folder are books, how a book's path is formed, and which entry stays
// selected when the list is built again. The list control itself lives in
// book_list_win32.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "core/text.h"

namespace tq {

// File attribute bits as the platform's directory search reports them.
inline constexpr std::uint32_t kFileAttributeReadOnly = 0x01;
inline constexpr std::uint32_t kFileAttributeHidden = 0x02;
inline constexpr std::uint32_t kFileAttributeSystem = 0x04;
inline constexpr std::uint32_t kFileAttributeDirectory = 0x10;
inline constexpr std::uint32_t kFileAttributeArchive = 0x20;
inline constexpr std::uint32_t kFileAttributeNormal = 0x80;

// The list's fixed pattern.
inline constexpr std::string_view kBookPattern = "*.txt";

// One name the directory search found, with its attribute bits.
struct FoundFile {
    Text name;
    std::uint32_t attributes = 0;
};

// Directories, hidden and system files are not books; normal, archived and
// read-only files are.
bool is_listed_book(std::uint32_t attributes);

// The names to show, each once, in the order found (the list control sorts).
std::vector<Text> listed_book_names(const std::vector<FoundFile>& found);

// True when the text's last character is a backslash. A code-page-936 trail
// byte can be 0x5C, so the text is walked from its start as the platform's
// path functions do; a 0x5C that completes a two-byte character is not a
// separator.
bool ends_in_backslash(std::string_view path);

// The folder, a backslash unless it already ends in one, then the name.
Text join_book_path(const Text& folder, const Text& name);

// The path of the selected book from the text of "当前目录文件夹"; with no
// selection (empty name) this is the folder text with a trailing backslash.
Text selected_book_path(const Text& folder_text, const Text& selected_name);

// What the directory search is asked for: the folder joined with "*.txt".
Text book_search_path(const Text& folder);

// Book names compared ignoring the case of ASCII letters only; the bytes of
// a two-byte character are compared exactly, since its trail byte may fall
// in the range of the letters.
bool same_book_name(std::string_view a, std::string_view b);

// The entry that is selected again after a rebuild: the first entry equal,
// ignoring case, to the previously selected name. None when the name was
// empty or has gone.
std::optional<std::size_t> kept_selection(const std::vector<Text>& entries,
                                          std::string_view previous_name);

}  // namespace tq
