// The single process-wide record of what is being read.
#pragma once

#include <cstdint>

#include "core/text.h"

namespace tq {

struct ReadingState {
    // 1-based; both 0 while not reading.
    std::int32_t current_line = 0;
    std::int32_t current_segment = 0;
    TextArray book_lines;
    TextArray line_segments;
    // Screen position of the mouse at the last left double-click on the tray
    // icon; 0 until then.
    std::int32_t balloon_x = 0;
    std::int32_t balloon_y = 0;
    Text config_path;

    // Bumped whenever book_lines is replaced, so that a cached cut of a line
    // is never taken for a line of another book.
    std::uint64_t book_generation = 0;
};

}  // namespace tq
