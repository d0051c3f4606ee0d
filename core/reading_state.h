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

    // What line_segments was cut from. A tick cuts the current line again, and
    // a book with LF line ends is one line of many megabytes, so the reader
    // keeps the cut while book, line and width stay the same. Whoever assigns
    // line_segments other than through the reader resets this to {}.
    struct LineCutKey {
        bool valid = false;
        std::uint64_t book_generation = 0;
        std::int32_t line = 0;
        std::int32_t width = 0;
        // Where the line lay and what the cut gave: a cheap second check that
        // neither book_lines nor line_segments was replaced behind the key.
        const char* line_data = nullptr;
        std::size_t line_size = 0;
        std::size_t segment_count = 0;
        std::size_t segment_bytes = 0;
    };
    LineCutKey line_segments_key;
};

}  // namespace tq
