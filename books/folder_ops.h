// The three operations that change the book folder or its content, behind
// the buttons "选择文件夹", "导入txt文件" and "删除文件". Each ends by listing
// the folder again. The dialogs, the file system, the controls, the INI file
// and the message boxes come in through small interfaces.
#pragma once

#include "core/ports.h"
#include "core/text.h"
#include "settings/config_store.h"

namespace tq {

// The platform's modal dialogs.
class FolderDialogs {
public:
    virtual ~FolderDialogs() = default;
    // The folder browser: the chosen file-system path, empty when cancelled
    // or when the chosen item has no file-system path.
    virtual Text browse_for_folder() = 0;
    // The open-file dialog: full paths joined with CR LF, empty when the
    // dialog was cancelled or failed.
    virtual Text ask_for_import_files() = 0;
};

// The file operations the book folder needs.
class BookFiles {
public:
    virtual ~BookFiles() = default;
    virtual bool is_existing_folder(const Text& path) = 0;
    // The part after the last backslash, extension kept.
    virtual Text file_name_of(const Text& path) = 0;
    // Overwrites an existing target without asking.
    virtual bool copy_file(const Text& source, const Text& target) = 0;
    // Permanently, not into a recycle bin.
    virtual bool delete_file(const Text& path) = 0;
    virtual void beep() = 0;
};

// The edit box "当前目录文件夹" and the file list "文件框1".
class BookFolderControls {
public:
    virtual ~BookFolderControls() = default;
    virtual Text folder_text() = 0;
    virtual void set_folder_text(const Text& folder) = 0;
    // Assigning the list's folder rebuilds the list.
    virtual void set_list_folder(const Text& folder) = 0;
    // The bare name of the selected entry, empty when none.
    virtual Text selected_name() = 0;
    virtual void refresh_book_list() = 0;
};

struct BookFolderPorts {
    FolderDialogs& dialogs;
    BookFiles& files;
    BookFolderControls& controls;
    ConfigStore& config;
    MessageBoxes& messages;
};

// Where the folder is kept in the configuration file.
inline constexpr const char* kBookFolderSection = "初始化";
inline constexpr const char* kBookFolderKey = "文件框";

void choose_book_folder(BookFolderPorts& ports);
void import_books(BookFolderPorts& ports);
void delete_selected_book(BookFolderPorts& ports);

}  // namespace tq
