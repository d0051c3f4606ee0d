#include "books/book_list_win32.h"

#include "shell/unique_handle.h"

namespace tq {

std::vector<FoundFile> find_matching_files(const Text& search_path) {
    std::vector<FoundFile> found;
    WIN32_FIND_DATAA data{};
    unique_find search(FindFirstFileA(search_path.c_str(), &data));
    if (!search) return found;
    do {
        found.push_back(FoundFile{data.cFileName, data.dwFileAttributes});
    } while (FindNextFileA(search.get(), &data));
    return found;
}

Text current_directory() {
    // The first call tells the size including the terminating zero; the
    // directory may change in between, hence the loop.
    DWORD size = GetCurrentDirectoryA(0, nullptr);
    while (size > 0) {
        Text directory(size, '\0');
        const DWORD length = GetCurrentDirectoryA(size, directory.data());
        if (length == 0) break;
        if (length < size) {
            directory.resize(length);
            return directory;
        }
        size = length;
    }
    return {};
}

void BookList::set_folder(const Text& folder) {
    const Text previous = selected_name();
    folder_ = folder.empty() ? current_directory() : folder;

    // Neither LB_RESETCONTENT nor LB_SETCURSEL sends LBN_SELCHANGE, which is
    // what keeps a refill from reporting a selection change.
    SendMessageA(list_box_, LB_RESETCONTENT, 0, 0);
    for (const Text& name : listed_book_names(find_matching_files(book_search_path(folder_))))
        SendMessageA(list_box_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));

    // Looked up after adding, since LBS_SORT decides where each entry went.
    if (const auto kept = kept_selection(entries(), previous))
        SendMessageA(list_box_, LB_SETCURSEL, static_cast<WPARAM>(*kept), 0);
}

Text BookList::entry(int index) const {
    const LRESULT length = SendMessageA(list_box_, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR) return {};
    Text text(static_cast<std::size_t>(length) + 1, '\0');
    const LRESULT copied = SendMessageA(list_box_, LB_GETTEXT, static_cast<WPARAM>(index),
                                        reinterpret_cast<LPARAM>(text.data()));
    if (copied == LB_ERR) return {};
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

std::vector<Text> BookList::entries() const {
    std::vector<Text> names;
    const LRESULT count = SendMessageA(list_box_, LB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) names.push_back(entry(i));
    return names;
}

Text BookList::selected_name() const {
    const LRESULT selected = SendMessageA(list_box_, LB_GETCURSEL, 0, 0);
    return selected == LB_ERR ? Text() : entry(static_cast<int>(selected));
}

}  // namespace tq
