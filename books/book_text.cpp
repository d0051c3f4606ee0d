#include "books/book_text.h"

#include <cstring>

namespace tq {

namespace {

constexpr unsigned char kEndOfFileMark = 0x1A;

}  // namespace

std::size_t book_text_length(std::string_view file_bytes) {
    const auto* s = reinterpret_cast<const unsigned char*>(file_bytes.data());
    const std::size_t n = file_bytes.size();
    // Every stop involves a 00 or a 1A. Most books have neither, which two
    // memchr calls settle at memory speed; the pair-aware walk below is needed
    // only when one of them occurs.
    if (n == 0 || (!std::memchr(s, 0, n) && !std::memchr(s, kEndOfFileMark, n))) return n;
    std::size_t i = 0;
    while (i < n) {
        const unsigned char c = s[i];
        if (c < 0x80) {
            if (c == 0 || c == kEndOfFileMark) return i;
            ++i;
        } else {
            if (i + 1 == n) return n;
            if (s[i + 1] == 0) return i;
            i += 2;
        }
    }
    return n;
}

Text read_book_text(Bytes file_bytes) {
    file_bytes.resize(book_text_length(file_bytes));
    return file_bytes;
}

}  // namespace tq
