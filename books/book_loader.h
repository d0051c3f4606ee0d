// Loading a book: from the bytes of its file to its lines of code-page-936
// text, with the file held once in memory.
#pragma once

#include <cstddef>

#include "books/codec.h"
#include "books/encoding.h"
#include "core/text.h"

namespace tq {

struct LoadedBook {
    TextEncoding encoding = TextEncoding::Ansi;
    // Empty for Utf16Be, which is recognised but never converted.
    TextArray lines;
};

// Classifies the bytes, converts them to code page 936 and splits them at
// CR LF. UTF-8 and 936 books end at their first stop byte (book_text.h);
// a UTF-16LE book is converted from all its bytes up to its first zero unit.
// The lines are views into the very buffer the file was read into, so a load
// needs little more memory than the file itself. Throws std::bad_alloc, or
// std::length_error for a text past 4 GiB, when memory runs out.
LoadedBook load_book(Bytes file_bytes, const CodePageConverter& codec);

// Converts in chunks that end at character boundaries, writing each chunk's
// code-page-936 output back over the input already read, so no second buffer
// of the book's size is needed. The same result as utf8_to_ansi and
// utf16le_to_ansi of the whole data. chunk_bytes is a parameter so that tests
// can put chunk ends everywhere; values below 4 count as 4.
inline constexpr std::size_t kConversionChunkBytes = 32 * 1024;
Text utf8_to_ansi_in_place(Bytes utf8, const CodePageConverter& codec,
                           std::size_t chunk_bytes = kConversionChunkBytes);
Text utf16le_to_ansi_in_place(Bytes utf16le, const CodePageConverter& codec,
                              std::size_t chunk_bytes = kConversionChunkBytes);

}  // namespace tq
