// The three numeric fields "单次显示字数", "停留时间" and "跳转行": their limits,
// the test that replaces a failing value by the lower limit, and the change
// handling that runs on every write of a field's text.
#pragma once

#include <cstdint>

#include "core/ports.h"
#include "core/text.h"
#include "settings/config_store.h"

namespace tq {

// The text of one edit field. set_text must run the field's change handling
// synchronously, inside the call, exactly as typing does (on Win32,
// WM_SETTEXT raises EN_CHANGE before SetWindowTextA returns).
class FieldText {
public:
    virtual ~FieldText() = default;
    virtual Text text() const = 0;
    virtual void set_text(const Text& text) = 0;
};

struct FieldLimits {
    std::int32_t lower;
    std::int32_t upper;
};

inline constexpr FieldLimits kWidthLimits{2, 32767};
inline constexpr FieldLimits kDwellLimits{1, 60};
// Until a book is opened; then the upper limit is the book's line count.
inline constexpr FieldLimits kJumpLimits{1, 32767};

inline constexpr std::int32_t kMillisecondsPerSecond = 1000;

// One field: its text, its limits of this moment and the mark that stops the
// change handling raised by the field's own replacement from running again.
class NumericField {
public:
    NumericField(FieldText& text, FieldLimits limits) : text_(text), limits_(limits) {}

    FieldText& text() { return text_; }
    const FieldText& text() const { return text_; }
    FieldLimits limits() const { return limits_; }
    // Only the jump field's upper limit changes; the current text is not
    // tested again.
    void set_upper_limit(std::int32_t upper) { limits_.upper = upper; }

private:
    friend bool clamp_numeric_field(NumericField& field);
    FieldText& text_;
    FieldLimits limits_;
    bool replacing_ = false;
};

// The test: a value strictly between the limits stands in whatever form it was
// typed; anything else (text_to_int saturates, so numbers beyond the signed
// 32-bit range fail too) is replaced by the lower limit. Returns false for the
// nested run raised by that replacement: the caller stops there, and the run
// that made the replacement goes on once with the lower limit.
bool clamp_numeric_field(NumericField& field);

// The change handling of "单次显示字数": test, then store the text.
void apply_segment_width(NumericField& width, ConfigStore& config);
// The change handling of "停留时间": test, arm the timer with the value in
// seconds, then store the text.
void apply_dwell_time(NumericField& dwell, ReadingTimer& timer, ConfigStore& config);
// The change handling of "跳转行": the test alone; the field is not stored.
void apply_jump_line(NumericField& jump);

}  // namespace tq
