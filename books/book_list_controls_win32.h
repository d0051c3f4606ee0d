// The edit box "当前目录文件夹" and the file list as the book folder
// operations see them.
#pragma once

#include <windows.h>

#include "books/book_list_win32.h"
#include "books/folder_ops.h"

namespace tq {

class BookFolderControlsWin32 : public BookFolderControls {
public:
    BookFolderControlsWin32(HWND folder_edit, BookList& list) : folder_edit_(folder_edit), list_(list) {}

    Text folder_text() override;
    // Through WM_SETTEXT, so the edit box's change handling runs as typing would.
    void set_folder_text(const Text& folder) override;
    void set_list_folder(const Text& folder) override { list_.set_folder(folder); }
    Text selected_name() override { return list_.selected_name(); }
    void refresh_book_list() override { list_.refresh(); }

private:
    HWND folder_edit_;
    BookList& list_;
};

}  // namespace tq
