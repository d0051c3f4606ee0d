// Cutting one line of a book into the segments that are shown one at a time.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/text.h"

namespace tq {

// The smallest width that can always make progress: a two-byte character
// needs two bytes.
inline constexpr std::int32_t kMinSegmentWidth = 2;

// Cuts line into segments of at most width bytes. A byte 0x7F-0xFF takes the
// byte after it along (0x7F included, unlike split_text); a CR LF ends its
// piece. The pieces are joined with CR LF and split again with split_text, so
// the quirks of that rule (a CR LF inside an element after a 0x7F) are kept.
// Linear in the line's length. A width below 2 is cut as width 2.
TextArray segment_line(std::string_view line, std::int32_t width);

}  // namespace tq
