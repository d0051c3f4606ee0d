#include "tests/e2e/harness/temp_folder_win32.h"

#include <windows.h>

#include <atomic>

#include "shell/unique_handle.h"

namespace tq::e2e {

namespace {

constexpr int kRemoveAttempts = 20;
constexpr DWORD kRemoveRetryMs = 50;

std::atomic<unsigned> next_folder_number{0};

bool remove_tree_once(const std::wstring& folder) {
    WIN32_FIND_DATAW entry{};
    unique_find search(FindFirstFileW((folder + L"\\*").c_str(), &entry));
    bool removed_all = true;
    if (search) {
        do {
            const std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring path = folder + L"\\" + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                removed_all = remove_tree_once(path) && removed_all;
            } else {
                SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                removed_all = DeleteFileW(path.c_str()) && removed_all;
            }
        } while (FindNextFileW(search.get(), &entry));
    }
    search.reset();
    return RemoveDirectoryW(folder.c_str()) && removed_all;
}

}  // namespace

bool remove_tree(const std::wstring& folder) {
    // A program that has just ended may still hold its exe open for a moment.
    for (int attempt = 0; attempt < kRemoveAttempts; ++attempt) {
        if (remove_tree_once(folder)) return true;
        if (GetFileAttributesW(folder.c_str()) == INVALID_FILE_ATTRIBUTES) return true;
        Sleep(kRemoveRetryMs);
    }
    return false;
}

TempFolder::TempFolder() {
    wchar_t temp[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
    if (length == 0 || length > MAX_PATH) return;
    const std::wstring base = std::wstring(temp) + L"tq-e2e-" +
                              std::to_wstring(GetCurrentProcessId()) + L"-";
    for (;;) {
        std::wstring candidate = base + std::to_wstring(next_folder_number++);
        if (CreateDirectoryW(candidate.c_str(), nullptr)) {
            path_ = std::move(candidate);
            return;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS) return;
    }
}

TempFolder::~TempFolder() {
    if (!path_.empty()) remove_tree(path_);
}

std::wstring TempFolder::file(const std::wstring& name) const { return path_ + L"\\" + name; }

}  // namespace tq::e2e
