#include "settings/tray_picture_win32.h"

#include <commdlg.h>

#include <cstddef>
#include <vector>

#include "shell/unique_handle.h"

namespace tq {

namespace {

// The name buffer holds 512 bytes of path plus its zero byte; the title
// buffer starts as 512 blanks and a zero byte.
constexpr DWORD kFileBufferChars = 512;
constexpr char kTitleFill = ' ';

// The record size of the Windows 2000 layout: 76 bytes on 32-bit Windows, the
// release target; the 64-bit build takes the same layout at its own size.
constexpr DWORD kOpenFileNameSize =
    offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(OPENFILENAMEA::lpTemplateName);
#ifndef _WIN64
static_assert(kOpenFileNameSize == 76);
#endif

}  // namespace

bool Win32PictureFiles::exists(const Text& path) {
    if (path.empty()) return false;
    WIN32_FIND_DATAA found{};
    const unique_find search(FindFirstFileA(path.c_str(), &found));
    return static_cast<bool>(search);
}

std::optional<Bytes> Win32PictureFiles::read_whole(const Text& path) {
    if (path.empty()) return std::nullopt;
    const unique_file file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return std::nullopt;  // a folder, a locked or vanished file
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0 ||
        static_cast<unsigned long long>(size.QuadPart) > static_cast<unsigned long long>(MAXDWORD))
        return std::nullopt;
    Bytes bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() &&
        !ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
        return std::nullopt;
    bytes.resize(read);
    return bytes;
}

Text Win32IconFileDialog::current_directory() {
    const DWORD needed = GetCurrentDirectoryA(0, nullptr);
    if (needed == 0) return {};
    std::vector<char> buffer(needed, '\0');
    const DWORD length = GetCurrentDirectoryA(needed, buffer.data());
    return length < needed ? Text(buffer.data(), length) : Text();
}

void Win32IconFileDialog::set_current_directory(const Text& directory) {
    if (!directory.empty()) SetCurrentDirectoryA(directory.c_str());
}

std::optional<Text> Win32IconFileDialog::run(const Text& initial_directory) {
    const Bytes filter = dialog_filter_buffer(kIconFilter);
    std::vector<char> file(kFileBufferChars + 1, '\0');
    std::vector<char> title(kFileBufferChars, kTitleFill);
    title.push_back('\0');

    OPENFILENAMEA dialog{};
    dialog.lStructSize = kOpenFileNameSize;
    dialog.hwndOwner = owner_;
    dialog.hInstance = nullptr;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = kFileBufferChars;
    dialog.lpstrFileTitle = title.data();
    dialog.nMaxFileTitle = kFileBufferChars;
    dialog.lpstrInitialDir = initial_directory.c_str();
    dialog.lpstrTitle = kIconDialogTitle;
    // No must-exist checks, the read-only box stays, the dialog may change the
    // current directory (the caller puts it back).
    dialog.Flags = 0;
    if (!GetOpenFileNameA(&dialog)) return std::nullopt;
    return Text(file.data());
}

}  // namespace tq
