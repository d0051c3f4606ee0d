// Which of the four encodings a book file is in.
#pragma once

#include <string_view>

#include "books/codec.h"

namespace tq {

enum class TextEncoding { Utf8 = 1, Utf16Le = 2, Utf16Be = 3, Ansi = 4 };

// True when the data holds at least one well-formed three- or four-byte UTF-8
// sequence and no malformed one anywhere. Two-byte sequences neither prove
// nor disprove UTF-8: code page 936 text is full of byte pairs that look like
// them. A sequence cut off by the end of the data does not count against it
// (the file may simply have been cut), nor for it. Overlong leads (C0, C1)
// and the leads F5-F7 pass as leads; decoded values are not checked.
bool is_likely_utf8(std::string_view bytes);

// Classifies a whole file's bytes, first match winning: the marks EF BB BF,
// FF FE, FE FF (a file that starts EF BB without BF skips the UTF-16 marks),
// the platform's UTF-16 test, the UTF-8 scan, otherwise Ansi. Empty data is
// Ansi.
TextEncoding classify_encoding(std::string_view bytes, const CodePageConverter& codec);

}  // namespace tq
