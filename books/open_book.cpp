#include "books/open_book.h"

#include <algorithm>
#include <limits>
#include <new>
#include <stdexcept>

#include "books/book_loader.h"

namespace tq {

namespace {

const Text kWarningTitle = "警告";
const Text kNoticeTitle = "提示";
const Text kBigEndianWarning = "无法转换到ANSI的编码格式，请自行转换！";
const Text kTooLargeWarning = "文件过大，无法打开！";
const Text kNoModeNotice = "你没有选择阅读模式！";
const Text kJumpCaptionPrefix = "跳转到（行）：\r\n1-";
const Text kJumpFirstLine = "1";

void warn(MessageBoxes& boxes, const Text& text, const Text& title) {
    boxes.show(text, title, MessageButtons::Ok, MessageIcon::Exclamation);
}

// Loads the book into the reader, or leaves the previous one there with a
// warning. The previous book is kept until the new one is complete, so a
// failed load never leaves the reader with half a book.
void load_into(Reader& reader, const Text& book_path, BookFileReader& files,
               const CodePageConverter& codec, MessageBoxes& boxes) {
    try {
        // The file is read once: its bytes are classified, then cut or
        // converted in the same buffer.
        LoadedBook book = load_book(files.read_whole_file(book_path), codec);
        if (book.encoding == TextEncoding::Utf16Be) {
            warn(boxes, kBigEndianWarning, kWarningTitle);
            return;
        }
        reader.replace_book(std::move(book.lines));
    } catch (const std::bad_alloc&) {
        warn(boxes, kTooLargeWarning, kWarningTitle);
    } catch (const std::length_error&) {  // a text past what a buffer can hold
        warn(boxes, kTooLargeWarning, kWarningTitle);
    }
}

std::int32_t line_count(const ReadingState& state) {
    constexpr std::size_t kMax = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::min(state.book_lines.size(), kMax));
}

}  // namespace

void open_book(Reader& reader, const ReaderControls& controls, const Text& book_path,
               BookFileReader& files, const CodePageConverter& codec, JumpWidgets& jump,
               MessageBoxes& boxes) {
    ReadingState& state = reader.state();
    state.current_line = 1;
    state.current_segment = 1;
    reader.stop_timer();

    // A refused book (UTF-16 big-endian, too large) goes on like any other
    // with the previous book: it is shown again from its first line.
    load_into(reader, book_path, files, codec, boxes);

    switch (controls.checked_mode()) {
    case DisplayMode::TrayTip:
    case DisplayMode::Caption:
        // A book without lines has no line 1 to show: nothing is shown and
        // the timer stays stopped; the jump widgets get the line count 0.
        if (!state.book_lines.empty()) reader.show_and_rearm();
        break;
    case DisplayMode::Balloon:
        // Shown when the tray icon is double-clicked, which anchors the
        // balloon.
        break;
    case DisplayMode::None:
        boxes.show(kNoModeNotice, kNoticeTitle, MessageButtons::Ok, MessageIcon::Exclamation);
        break;
    }

    const std::int32_t count = line_count(state);
    jump.set_jump_caption(kJumpCaptionPrefix + int_to_text(count));
    jump.set_jump_text(kJumpFirstLine);  // the text goes before the limit
    jump.set_jump_upper_limit(count);
}

}  // namespace tq
