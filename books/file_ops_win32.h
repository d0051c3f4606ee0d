// The book folder's file operations on the Win32 file and shell calls.
#pragma once

#include "books/folder_ops.h"
#include "core/text.h"

namespace tq {

// True for an existing directory. The path is code page 936 whatever the
// process's code page, so it is widened with 936 and asked as UTF-16.
bool is_existing_folder(const Text& path);

class BookFilesWin32 : public BookFiles {
public:
    bool is_existing_folder(const Text& path) override { return tq::is_existing_folder(path); }
    Text file_name_of(const Text& path) override;
    bool copy_file(const Text& source, const Text& target) override;
    bool delete_file(const Text& path) override;
    void beep() override;
};

}  // namespace tq
