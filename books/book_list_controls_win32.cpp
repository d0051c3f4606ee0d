#include "books/book_list_controls_win32.h"

namespace tq {

Text BookFolderControlsWin32::folder_text() {
    const int length = GetWindowTextLengthA(folder_edit_);
    if (length <= 0) return {};
    Text text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(folder_edit_, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

void BookFolderControlsWin32::set_folder_text(const Text& folder) {
    SetWindowTextA(folder_edit_, folder.c_str());
}

}  // namespace tq
