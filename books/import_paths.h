// The open-file dialog's buffers in plain bytes: the filter it is given and
// the file buffer it fills in.
#pragma once

#include <string_view>

#include "core/text.h"

namespace tq {

// The filter as the dialog wants it: every "|" becomes a zero byte and the
// list ends with two zero bytes. A "|" byte inside a two-byte character is
// left alone.
Bytes open_file_filter(std::string_view bar_separated);

// The chosen files as full paths joined with CR LF. The buffer is read up to
// its first pair of zero bytes (or its end): a single field is one full
// path; otherwise the first field is the directory and the others are names
// in the dialog's order. A directory that already ends in a backslash (a
// drive root) gets none added. An empty buffer gives an empty text.
Text parse_open_file_buffer(std::string_view buffer);

}  // namespace tq
