#include "settings/bookmarks.h"

#include <cstddef>
#include <cstdint>

namespace tq {

namespace {

constexpr const char* kFirst = "1";

}  // namespace

void save_bookmark(const ReadingState& state, const SelectedBook& selection, ConfigStore& config,
                   MessageBoxes& boxes) {
    // Both non-zero, not both positive: a negative cursor is saved as it is.
    if (state.current_line == 0 || state.current_segment == 0) {
        boxes.show(kNoBookmarkText, kNoBookmarkTitle, MessageButtons::Ok, MessageIcon::Exclamation);
        return;
    }
    const Text line_section = selection.selected_name();
    if (line_section.empty()) return;
    config.write_config_value(line_section, kBookmarkLineKey, int_to_text(state.current_line));
    const Text segment_section = selection.selected_name();
    if (segment_section.empty()) return;
    config.write_config_value(segment_section, kBookmarkSegmentKey, int_to_text(state.current_segment));
}

void start_from_bookmark(ReadingState& state, const SelectedBook& selection, ConfigStore& config) {
    std::int32_t line = text_to_int(config.read_config_value(selection.selected_name(), kBookmarkLineKey, Text(kFirst)));
    const std::int32_t segment =
        text_to_int(config.read_config_value(selection.selected_name(), kBookmarkSegmentKey, Text(kFirst)));
    const std::size_t count = state.book_lines.size();
    if (count == 0) {
        line = 0;
    } else if (line > 0 && static_cast<std::size_t>(line) > count) {
        // count fits: line is above it and line is an int32.
        line = static_cast<std::int32_t>(count);
    }
    state.current_line = line;
    state.current_segment = line == 0 ? 0 : segment;
}

void update_bookmark_button(const SelectedBook& selection, ConfigStore& config, ButtonEnabler& button) {
    button.set_enabled(!config.read_config_value(selection.selected_name(), kBookmarkLineKey).empty());
}

}  // namespace tq
