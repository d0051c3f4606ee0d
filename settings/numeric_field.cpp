#include "settings/numeric_field.h"

#include <algorithm>
#include <limits>

#include "settings/config_rules.h"

namespace tq {

namespace {

// Clears the replacement mark however the write returns.
class ReplacementMark {
public:
    explicit ReplacementMark(bool& mark) : mark_(mark) { mark_ = true; }
    ~ReplacementMark() { mark_ = false; }
    ReplacementMark(const ReplacementMark&) = delete;
    ReplacementMark& operator=(const ReplacementMark&) = delete;

private:
    bool& mark_;
};

}  // namespace

bool clamp_numeric_field(NumericField& field) {
    // The nested run: the text is the lower limit that the outer run has just
    // written. Testing it would fail again (the lower limit is not strictly
    // inside) and replace it for ever; the outer run finishes the handling.
    if (field.replacing_) return false;
    const std::int32_t value = text_to_int(field.text_.text());
    const FieldLimits limits = field.limits_;
    if (limits.lower < value && value < limits.upper) return true;
    ReplacementMark mark(field.replacing_);
    field.text_.set_text(int_to_text(limits.lower));
    return true;
}

void apply_segment_width(NumericField& width, ConfigStore& config) {
    if (!clamp_numeric_field(width)) return;
    config.write_config_value(kSettingsSection, kWidthKey, width.text().text());
}

void apply_dwell_time(NumericField& dwell, ReadingTimer& timer, ConfigStore& config) {
    if (!clamp_numeric_field(dwell)) return;
    const Text text = dwell.text().text();
    // The value stands inside the limits here, so the product is small; the
    // clamp only guards a field whose limits someone widened.
    const std::int64_t period = std::int64_t{text_to_int(text)} * kMillisecondsPerSecond;
    timer.set_period(static_cast<std::int32_t>(
        std::clamp<std::int64_t>(period, 0, std::numeric_limits<std::int32_t>::max())));
    config.write_config_value(kSettingsSection, kDwellKey, text);
}

void apply_jump_line(NumericField& jump) { clamp_numeric_field(jump); }

}  // namespace tq
