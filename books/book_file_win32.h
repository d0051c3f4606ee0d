// Reading a book file whole through CreateFileA and ReadFile.
#pragma once

#include "books/open_book.h"

namespace tq {

class Win32BookFileReader final : public BookFileReader {
public:
    // Opened for reading only; other processes may read the file meanwhile
    // but not write it. A file whose size cannot be held in this process's
    // memory throws std::bad_alloc before anything is allocated.
    Bytes read_whole_file(const Text& path) override;
};

}  // namespace tq
