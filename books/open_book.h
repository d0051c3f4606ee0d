// "开始阅读": the selected book becomes the open book, read from its start.
#pragma once

#include <cstdint>

#include "books/codec.h"
#include "core/ports.h"
#include "core/reader.h"
#include "core/text.h"

namespace tq {

class BookFileReader {
public:
    virtual ~BookFileReader() = default;
    // The whole file, opened for reading only while others may read it too.
    // Empty when it cannot be opened or read, or names a folder. Throws
    // std::bad_alloc when the file is too large to hold in memory.
    virtual Bytes read_whole_file(const Text& path) = 0;
};

// The jump widgets of the control panel.
class JumpWidgets {
public:
    virtual ~JumpWidgets() = default;
    virtual void set_jump_caption(const Text& caption) = 0;         // "标签4"
    virtual void set_jump_text(const Text& text) = 0;               // "跳转行"
    virtual void set_jump_upper_limit(std::int32_t line_count) = 0;  // "跳转行"
};

// Puts the cursor on line 1, segment 1, stops the timer, loads the book at
// book_path (the selected book's path) and, in the tray-tooltip and caption
// modes, shows its first segment and arms the timer; then tells the jump
// widgets the line count. A UTF-16 big-endian book, or one too large for
// memory, is refused with a warning and the previous book stays open. Never
// throws.
void open_book(Reader& reader, const ReaderControls& controls, const Text& book_path,
               BookFileReader& files, const CodePageConverter& codec, JumpWidgets& jump,
               MessageBoxes& boxes);

}  // namespace tq
