// The file list "文件框1" on a list box the control panel has created with
// LBS_SORT | LBS_NOTIFY. The list box stays the panel's (it goes with its
// parent); this class keeps the folder and fills the box.
#pragma once

#include <windows.h>

#include <vector>

#include "books/book_list.h"
#include "core/text.h"

namespace tq {

// The names and attributes the directory search finds for a pattern; a
// folder that does not exist gives none.
std::vector<FoundFile> find_matching_files(const Text& search_path);

// The process's current directory, without a trailing backslash unless it
// is a drive root.
Text current_directory();

class BookList {
public:
    explicit BookList(HWND list_box) : list_box_(list_box) {}

    // Stores the folder exactly as given and rebuilds the list at once; an
    // empty folder stands for the current directory, which is then stored.
    void set_folder(const Text& folder);
    const Text& folder() const { return folder_; }
    // refresh_book_list: the folder assigned its own value again.
    void refresh() { set_folder(folder_); }
    // The bare name of the selected entry, empty when none.
    Text selected_name() const;
    // The entries in the list's (sorted) order.
    std::vector<Text> entries() const;

private:
    Text entry(int index) const;

    HWND list_box_;
    Text folder_;
};

}  // namespace tq
