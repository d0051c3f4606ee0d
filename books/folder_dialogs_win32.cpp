#include "books/folder_dialogs_win32.h"

#include <commdlg.h>
#include <objbase.h>
#include <shlobj.h>

#include <cstddef>
#include <memory>
#include <vector>

#include "books/book_list_win32.h"
#include "books/import_paths.h"

namespace tq {

namespace {

constexpr const char* kBrowseTitle = "选择文件目录";
constexpr UINT kBrowseFlags = BIF_RETURNONLYFSDIRS | BIF_EDITBOX;

constexpr const char* kImportTitle = "选择要导入的txt文件，可以多选";
constexpr const char* kImportFilter = "文本文档（*.txt）|*.txt";
constexpr DWORD kImportFlags = OFN_EXPLORER | OFN_ALLOWMULTISELECT;
// Large enough for a few thousand names picked at once.
constexpr DWORD kImportBufferSize = 98192;

// The dialog is handed the structure in its version 4.0 form (up to
// lpTemplateName), which every Windows the reader runs on accepts. The
// header's OPENFILENAME_SIZE_VERSION_400A is the same value but not a
// constant expression.
constexpr DWORD kOpenFileNameSize =
    offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(OPENFILENAMEA::lpTemplateName);

static_assert(kImportFlags == 0x80200, "the dialog gets these two flags and nothing else");
#if !defined(_WIN64)
static_assert(kOpenFileNameSize == 76, "OPENFILENAMEA, version 4.0 form");
static_assert(sizeof(BROWSEINFOA) == 32, "BROWSEINFOA");
#endif

struct ItemListFree {
    void operator()(ITEMIDLIST* list) const { CoTaskMemFree(list); }
};
using unique_item_list = std::unique_ptr<ITEMIDLIST, ItemListFree>;

// While the folder browser is open every top-level window of the thread is
// disabled, as a modal dialog of the whole program would have it; afterwards
// each gets its own former state back and the windows that were foreground
// and active are made so again.
class ThreadWindowsDisabled {
public:
    ThreadWindowsDisabled() : foreground_(GetForegroundWindow()), active_(GetActiveWindow()) {
        EnumThreadWindows(GetCurrentThreadId(), &ThreadWindowsDisabled::collect,
                          reinterpret_cast<LPARAM>(&windows_));
        for (Saved& saved : windows_) EnableWindow(saved.window, FALSE);
    }
    ~ThreadWindowsDisabled() {
        for (const Saved& saved : windows_)
            if (IsWindow(saved.window)) EnableWindow(saved.window, saved.enabled);
        if (foreground_ && IsWindow(foreground_)) SetForegroundWindow(foreground_);
        if (active_ && IsWindow(active_)) SetActiveWindow(active_);
    }
    ThreadWindowsDisabled(const ThreadWindowsDisabled&) = delete;
    ThreadWindowsDisabled& operator=(const ThreadWindowsDisabled&) = delete;

private:
    struct Saved {
        HWND window;
        BOOL enabled;
    };
    static BOOL CALLBACK collect(HWND window, LPARAM into) {
        reinterpret_cast<std::vector<Saved>*>(into)->push_back({window, IsWindowEnabled(window)});
        return TRUE;
    }

    HWND foreground_;
    HWND active_;
    std::vector<Saved> windows_;
};

// The shell wants COM on the calling thread; an earlier initialisation of
// the same kind is fine and is balanced the same way.
class ComScope {
public:
    ComScope() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComScope() { if (initialised_) CoUninitialize(); }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    bool initialised_;
};

}  // namespace

Text browse_for_book_folder() {
    ComScope com;
    char display_name[MAX_PATH] = {};
    BROWSEINFOA info{};
    info.hwndOwner = GetActiveWindow();
    info.pidlRoot = nullptr;  // the desktop
    info.pszDisplayName = display_name;
    info.lpszTitle = kBrowseTitle;
    info.ulFlags = kBrowseFlags;

    unique_item_list chosen;
    {
        ThreadWindowsDisabled disabled;
        chosen.reset(SHBrowseForFolderA(&info));
    }
    if (!chosen) return {};
    char path[MAX_PATH] = {};
    if (!SHGetPathFromIDListA(chosen.get(), path)) return {};
    return path;
}

Text ask_for_import_files(HWND owner) {
    const Text initial_directory = current_directory();
    const Bytes filter = open_file_filter(kImportFilter);
    std::string files(kImportBufferSize, '\0');
    std::string titles(kImportBufferSize, '\0');

    OPENFILENAMEA dialog{};
    dialog.lStructSize = kOpenFileNameSize;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 0;
    dialog.lpstrFile = files.data();
    dialog.nMaxFile = kImportBufferSize;
    dialog.lpstrFileTitle = titles.data();
    dialog.nMaxFileTitle = kImportBufferSize;
    dialog.lpstrInitialDir = initial_directory.c_str();
    dialog.lpstrTitle = kImportTitle;
    dialog.Flags = kImportFlags;

    const bool chosen = GetOpenFileNameA(&dialog) != 0;
    // Without OFN_NOCHANGEDIR the dialog moves the current directory along.
    if (!initial_directory.empty()) SetCurrentDirectoryA(initial_directory.c_str());
    return chosen ? parse_open_file_buffer(files) : Text();
}

}  // namespace tq
