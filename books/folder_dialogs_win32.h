// The folder browser and the open-file dialog of the book folder operations.
#pragma once

#include <windows.h>

#include "books/folder_ops.h"
#include "core/text.h"

namespace tq {

// "选择文件目录", rooted at the desktop, folders only, with an edit field;
// owned by the window active at the call. The file-system path, or empty.
Text browse_for_book_folder();

// "选择要导入的txt文件，可以多选", owned by the control panel; full paths
// joined with CR LF, empty when cancelled or failed. The current directory
// is the same afterwards.
Text ask_for_import_files(HWND owner);

class FolderDialogsWin32 : public FolderDialogs {
public:
    explicit FolderDialogsWin32(HWND control_panel) : control_panel_(control_panel) {}
    Text browse_for_folder() override { return browse_for_book_folder(); }
    Text ask_for_import_files() override { return tq::ask_for_import_files(control_panel_); }

private:
    HWND control_panel_;
};

}  // namespace tq
