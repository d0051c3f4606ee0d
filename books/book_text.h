// The text of a book file: its bytes up to the first stop byte.
#pragma once

#include <cstddef>
#include <string_view>

#include "core/text.h"

namespace tq {

// Where the text of a file ends. A stop is a byte 00 or 1A that does not stand
// second in a two-byte pair, or a byte 80-FF followed by 00 (the text then
// ends before that lead byte). A byte 80-FF followed by any other byte is a
// pair taken whole. A byte 80-FF that is the very last one stays in the text:
// nothing follows that could stop it, and dropping it would lose file data.
std::size_t book_text_length(std::string_view file_bytes);

// The file's bytes cut at book_text_length. Takes the buffer and gives it
// back shortened: the text is derived from the one read of the file, since
// reading the file a second time would double the peak memory of a load.
Text read_book_text(Bytes file_bytes);

}  // namespace tq
