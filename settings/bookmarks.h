// Per-book bookmarks: the reading cursor saved under the section named by the
// book selected in the file list "文件框1", and read back from there.
#pragma once

#include "core/ports.h"
#include "core/reading_state.h"
#include "settings/config_store.h"

namespace tq {

inline constexpr const char* kBookmarkLineKey = "行数";
inline constexpr const char* kBookmarkSegmentKey = "当行段数";
inline constexpr const char* kNoBookmarkText = "当前书签没有有效值，请确认是否在阅读";
inline constexpr const char* kNoBookmarkTitle = "提示";

// The bare file name selected in "文件框1", read afresh at every call; empty
// when nothing is selected.
class SelectedBook {
public:
    virtual ~SelectedBook() = default;
    virtual Text selected_name() const = 0;
};

// The button "从书签行开始".
class ButtonEnabler {
public:
    virtual ~ButtonEnabler() = default;
    virtual void set_enabled(bool enabled) = 0;
};

// "添加书签": a cursor with a 0 gets a warning and nothing is written. With no
// book selected nothing is written either: a section with an empty name
// cannot be read back (an empty name reads as nothing), so the write would
// only leave an orphan in the file.
void save_bookmark(const ReadingState& state, const SelectedBook& selection, ConfigStore& config,
                   MessageBoxes& boxes);

// "从书签行开始": the cursor from the two keys, each defaulting to "1". Nothing
// is cut, shown or timed. A line beyond the open book is clamped to its last
// line, so the next tick or page step stays inside book_lines and the reader
// lands as near the mark as the (since shortened) book allows; with no book
// open the cursor becomes (0, 0), a non-reading one.
void start_from_bookmark(ReadingState& state, const SelectedBook& selection, ConfigStore& config);

// Enables "从书签行开始" exactly when the selected book's "行数" is non-empty.
// Called for selections the user makes.
void update_bookmark_button(const SelectedBook& selection, ConfigStore& config, ButtonEnabler& button);

}  // namespace tq
