#include "shell/hotkey_logic.h"

namespace tq {

namespace {

constexpr std::uint32_t kLastPressFlags = 34;    // flags 0..34 are presses
constexpr std::uint32_t kFirstReleaseFlags = 128;  // flags 128.. are releases
constexpr std::uint32_t kTransitionShift = 16;
constexpr std::intptr_t kModifierMask = 0xFFFF;
constexpr std::uintptr_t kKeyMask = 0xFF;

// The generic modifier a left/right modifier key stands for; 0 for other keys.
std::int32_t modifier_of(std::uint32_t vk_code) {
    switch (static_cast<std::int32_t>(vk_code)) {
        case vk::kLeftShift:
        case vk::kRightShift: return vk::kShift;
        case vk::kLeftControl:
        case vk::kRightControl: return vk::kControl;
        case vk::kLeftAlt:
        case vk::kRightAlt: return vk::kAlt;
        case vk::kLeftWindows:
        case vk::kRightWindows: return vk::kWindows;
        default: return 0;
    }
}

}  // namespace

std::optional<HotkeyEvent> classify_key_event(std::int32_t& modifier_state,
                                              std::uint32_t vk_code, std::uint32_t flags) {
    const std::int32_t modifier = modifier_of(vk_code);
    const auto key = static_cast<std::int32_t>(vk_code);
    if (flags <= kLastPressFlags) {
        if (modifier != 0) modifier_state = modifier;
        return HotkeyEvent{modifier_state, key, KeyTransition::KeyDown};
    }
    if (flags >= kFirstReleaseFlags) {
        if (modifier != 0) modifier_state = 0;
        return HotkeyEvent{modifier_state, key, KeyTransition::KeyUp};
    }
    return std::nullopt;
}

HotkeyCommand hotkey_command(std::int32_t modifier, std::int32_t key, KeyTransition transition,
                             bool reading) {
    if (modifier != vk::kControl || transition != KeyTransition::KeyUp) {
        return HotkeyCommand::None;
    }
    switch (key) {
        case vk::kLeft: return reading ? HotkeyCommand::StepBack : HotkeyCommand::None;
        case vk::kRight: return reading ? HotkeyCommand::StepForward : HotkeyCommand::None;
        case vk::kUp: return reading ? HotkeyCommand::Pause : HotkeyCommand::None;
        case vk::kDown: return reading ? HotkeyCommand::Resume : HotkeyCommand::None;
        case vk::kM: return HotkeyCommand::Quit;
        default: return HotkeyCommand::None;
    }
}

HotkeyMessageParams encode_hotkey_message(const HotkeyEvent& event) {
    HotkeyMessageParams params;
    params.wparam = static_cast<std::uintptr_t>(event.key) & kKeyMask;
    params.lparam = (static_cast<std::intptr_t>(event.modifier) & kModifierMask) |
                    static_cast<std::intptr_t>(event.transition) << kTransitionShift;
    return params;
}

std::optional<HotkeyEvent> decode_hotkey_message(std::uintptr_t wparam, std::intptr_t lparam) {
    if (wparam > kKeyMask || lparam < 0) return std::nullopt;
    const auto transition = static_cast<std::int32_t>(lparam >> kTransitionShift);
    if (transition != static_cast<std::int32_t>(KeyTransition::KeyDown) &&
        transition != static_cast<std::int32_t>(KeyTransition::KeyUp)) {
        return std::nullopt;
    }
    const auto modifier = static_cast<std::int32_t>(lparam & kModifierMask);
    if (modifier != 0 && modifier != vk::kShift && modifier != vk::kControl &&
        modifier != vk::kAlt && modifier != vk::kWindows) {
        return std::nullopt;
    }
    return HotkeyEvent{modifier, static_cast<std::int32_t>(wparam),
                       static_cast<KeyTransition>(transition)};
}

}  // namespace tq
