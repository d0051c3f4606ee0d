#include "books/book_file_win32.h"

#include <windows.h>

#include <new>

#include "shell/unique_handle.h"

namespace tq {

namespace {

// ReadFile takes a DWORD count; reading in pieces of 64 MiB keeps each call
// well inside it on every build.
constexpr DWORD kReadPieceBytes = 64u * 1024u * 1024u;

}  // namespace

Bytes Win32BookFileReader::read_whole_file(const Text& path) {
    if (path.empty()) return {};
    unique_file file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return {};  // missing, locked, or a folder
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart <= 0) return {};
    // The 64-bit size is checked before it is narrowed: on the 32-bit build
    // a file of 4 GiB or more would otherwise wrap to a small size.
    const auto file_size = static_cast<unsigned long long>(size.QuadPart);
    Bytes bytes;
    if (file_size > bytes.max_size()) throw std::bad_alloc();
    bytes.resize(static_cast<std::size_t>(file_size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const std::size_t left = bytes.size() - done;
        const DWORD piece = left < kReadPieceBytes ? static_cast<DWORD>(left) : kReadPieceBytes;
        DWORD got = 0;
        if (!ReadFile(file.get(), bytes.data() + done, piece, &got, nullptr)) return {};
        if (got == 0) break;  // the file shrank while being read
        done += got;
    }
    bytes.resize(done);
    return bytes;
}

}  // namespace tq
