#include "settings/field_input.h"

#include <algorithm>
#include <limits>

namespace tq {

namespace {

constexpr std::uint32_t kFirstPrintable = 0x20;

// The leading number in ASCII digits only, saturated to the 32-bit range.
std::int64_t leading_ascii_number(const Text& text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    constexpr std::int64_t kCap = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min(value * 10 + (text[i] - '0'), kCap);
    return negative ? -value : std::min(value, kCap - 1);
}

std::int16_t to_16_bits(std::int32_t value) {
    return static_cast<std::int16_t>(std::clamp<std::int32_t>(
        value, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

}  // namespace

bool typed_character_passes(std::uint32_t character_code) {
    if (character_code < kFirstPrintable) return true;
    return (character_code >= '0' && character_code <= '9') || character_code == '-';
}

Text spinner_step(const Text& text, FieldLimits limits, SpinDirection direction) {
    const std::int64_t value = leading_ascii_number(text);
    if (direction == SpinDirection::Up) {
        const std::int64_t next = value + 1;
        return int_to_text(next < limits.lower || next > limits.upper ? limits.lower : next);
    }
    const std::int64_t next = value - 1;
    return int_to_text(next < limits.lower || next > limits.upper ? limits.upper : next);
}

SpinnerRange spinner_range(FieldLimits limits) {
    const auto [low, high] = std::minmax(limits.lower, limits.upper);
    return {to_16_bits(low), to_16_bits(high)};
}

}  // namespace tq
