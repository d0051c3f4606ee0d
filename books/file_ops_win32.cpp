#include "books/file_ops_win32.h"

#include <windows.h>
#include <shlwapi.h>

#include <climits>
#include <string>

namespace tq {

namespace {

constexpr UINT kTextCodePage = 936;
constexpr BOOL kOverwriteExisting = FALSE;  // CopyFileA's "fail if exists"

}  // namespace

bool is_existing_folder(const Text& path) {
    if (path.empty() || path.size() > static_cast<std::size_t>(INT_MAX)) return false;
    const int source_length = static_cast<int>(path.size());
    const int wide_length =
        MultiByteToWideChar(kTextCodePage, 0, path.data(), source_length, nullptr, 0);
    if (wide_length <= 0) return false;
    std::wstring wide(static_cast<std::size_t>(wide_length), L'\0');
    if (MultiByteToWideChar(kTextCodePage, 0, path.data(), source_length, wide.data(),
                            wide_length) != wide_length)
        return false;
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

Text BookFilesWin32::file_name_of(const Text& path) { return PathFindFileNameA(path.c_str()); }

bool BookFilesWin32::copy_file(const Text& source, const Text& target) {
    return CopyFileA(source.c_str(), target.c_str(), kOverwriteExisting) != 0;
}

bool BookFilesWin32::delete_file(const Text& path) { return DeleteFileA(path.c_str()) != 0; }

void BookFilesWin32::beep() { MessageBeep(MB_OK); }

}  // namespace tq
