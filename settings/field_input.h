// What a numeric field lets through when the user types, and what its spinner
// puts into it.
#pragma once

#include <cstdint>

#include "core/text.h"
#include "settings/numeric_field.h"

namespace tq {

// A typed character code of 0x20 or above passes only when it is a digit or
// "-"; control characters (backspace, the clipboard shortcuts) always pass.
// Pasted text is not filtered at all.
bool typed_character_passes(std::uint32_t character_code);

enum class SpinDirection { Up, Down };

// The text a click on the spinner puts into the field: v + 1, or the lower
// limit when that leaves [lower, upper]; v - 1, or the upper limit when that
// leaves it. v is the number at the start of the text in plain ASCII digits
// (an optional sign first); full-width digits count as no number, 0. The full
// 32-bit limits are used, also beyond what the spinner control can hold.
Text spinner_step(const Text& text, FieldLimits limits, SpinDirection direction);

// The range as the spinner control takes it (UDM_SETRANGE): two 16-bit
// numbers, the smaller limit as minimum. A jump limit above 32767 (a book of
// more lines) is handed over as 32767: the control then shows no more than
// that, while spinner_step and the test keep the full limit.
struct SpinnerRange {
    std::int16_t minimum;
    std::int16_t maximum;
};
SpinnerRange spinner_range(FieldLimits limits);

}  // namespace tq
