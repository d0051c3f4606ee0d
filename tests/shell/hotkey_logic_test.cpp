#include "shell/hotkey_logic.h"

#include <gtest/gtest.h>

#include <vector>

namespace tq {
namespace {

struct Key {
    std::uint32_t vk;
    std::uint32_t flags;
};

// Ordinary flags seen from the hook: plain keys 0x00/0x80, extended keys
// (arrows, right Ctrl) 0x01/0x81.
constexpr std::uint32_t kPress = 0x00, kRelease = 0x80, kPressExt = 0x01, kReleaseExt = 0x81;
constexpr std::uint32_t kLCtrl = 0xA2, kRCtrl = 0xA3, kLShift = 0xA0, kLAlt = 0xA4;

// Runs a key sequence through the shipped classification and command table.
std::vector<HotkeyCommand> commands_for(const std::vector<Key>& keys, bool reading) {
    std::int32_t modifier_state = 0;
    std::vector<HotkeyCommand> out;
    for (const Key& k : keys) {
        const std::optional<HotkeyEvent> e = classify_key_event(modifier_state, k.vk, k.flags);
        if (!e) continue;
        const HotkeyCommand c = hotkey_command(e->modifier, e->key, e->transition, reading);
        if (c != HotkeyCommand::None) out.push_back(c);
    }
    return out;
}

using C = HotkeyCommand;

TEST(Hotkeys, KeySequencesWhileReading) {
    const struct {
        const char* name;
        std::vector<Key> keys;
        std::vector<HotkeyCommand> commands;
    } cases[] = {
        {"ctrl_right_released_inside_ctrl",
         {{kLCtrl, kPress}, {vk::kRight, kPressExt}, {vk::kRight, kReleaseExt}, {kLCtrl, kRelease}},
         {C::StepForward}},
        {"ctrl_released_before_right",
         {{kLCtrl, kPress}, {vk::kRight, kPressExt}, {kLCtrl, kRelease}, {vk::kRight, kReleaseExt}},
         {}},
        {"auto_repeat_acts_once_on_release",
         {{kLCtrl, kPress}, {vk::kRight, kPressExt}, {vk::kRight, kPressExt},
          {vk::kRight, kPressExt}, {vk::kRight, kReleaseExt}, {kLCtrl, kRelease}},
         {C::StepForward}},
        {"shift_tapped_while_ctrl_held",
         {{kLCtrl, kPress}, {kLShift, kPress}, {kLShift, kRelease}, {vk::kRight, kPressExt},
          {vk::kRight, kReleaseExt}},
         {}},
        {"shift_then_ctrl",
         {{kLShift, kPress}, {kLCtrl, kPress}, {vk::kRight, kPressExt}, {vk::kRight, kReleaseExt}},
         {C::StepForward}},
        {"ctrl_then_shift",
         {{kLCtrl, kPress}, {kLShift, kPress}, {vk::kRight, kPressExt}, {vk::kRight, kReleaseExt}},
         {}},
        {"injected_alt_down_ctrl_press_ignored",
         {{kLCtrl, 0x30}, {vk::kRight, kPressExt}, {vk::kRight, kReleaseExt}}, {}},
        {"injected_alt_down_shift_press_leaves_ctrl",
         {{kLCtrl, kPress}, {kLShift, 0x31}, {vk::kRight, kPressExt}, {vk::kRight, kReleaseExt}},
         {C::StepForward}},
        {"injected_keys_classified_by_value",
         {{kLCtrl, 0x20}, {vk::kRight, 0x21}, {vk::kRight, 0xA1}, {kLCtrl, 0xA0}},
         {C::StepForward}},
        {"right_ctrl_left", {{kRCtrl, kPressExt}, {vk::kLeft, kPressExt}, {vk::kLeft, kReleaseExt}},
         {C::StepBack}},
        {"ctrl_up_pauses", {{kLCtrl, kPress}, {vk::kUp, kPressExt}, {vk::kUp, kReleaseExt}},
         {C::Pause}},
        {"ctrl_down_resumes", {{kLCtrl, kPress}, {vk::kDown, kPressExt}, {vk::kDown, kReleaseExt}},
         {C::Resume}},
        {"ctrl_m_quits", {{kLCtrl, kPress}, {vk::kM, kPress}, {vk::kM, kRelease}}, {C::Quit}},
        {"alt_right_nothing", {{kLAlt, kPress}, {vk::kRight, kPressExt}, {vk::kRight, kReleaseExt}},
         {}},
        {"right_alone_nothing", {{vk::kRight, kPressExt}, {vk::kRight, kReleaseExt}}, {}},
        {"ctrl_other_key_nothing", {{kLCtrl, kPress}, {'A', kPress}, {'A', kRelease}}, {}},
        {"two_pages_in_one_hold",
         {{kLCtrl, kPress}, {vk::kRight, kPressExt}, {vk::kRight, kReleaseExt},
          {vk::kRight, kPressExt}, {vk::kRight, kReleaseExt}},
         {C::StepForward, C::StepForward}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(commands_for(c.keys, true), c.commands);
    }
}

TEST(Hotkeys, OnlyCtrlMActsWhileNotReading) {
    const struct {
        const char* name;
        std::int32_t key;
        std::vector<HotkeyCommand> commands;
    } cases[] = {
        {"left", vk::kLeft, {}}, {"right", vk::kRight, {}}, {"up", vk::kUp, {}},
        {"down", vk::kDown, {}}, {"m", vk::kM, {C::Quit}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto key = static_cast<std::uint32_t>(c.key);
        EXPECT_EQ(commands_for({{kLCtrl, kPress}, {key, kPressExt}, {key, kReleaseExt}}, false),
                  c.commands);
    }
}

TEST(ClassifyKeyEvent, FlagsBoundariesAndModifierCodes) {
    const struct {
        const char* name;
        std::uint32_t vk;
        std::uint32_t flags;
        std::int32_t state_before;
        std::optional<HotkeyEvent> event;
        std::int32_t state_after;
    } cases[] = {
        {"press_34", 'A', 34, 17, HotkeyEvent{17, 'A', KeyTransition::KeyDown}, 17},
        {"ignored_35", vk::kLeftShift, 35, 17, std::nullopt, 17},
        {"ignored_127", vk::kLeftShift, 127, 17, std::nullopt, 17},
        {"release_128", 'A', 128, 17, HotkeyEvent{17, 'A', KeyTransition::KeyUp}, 17},
        {"release_255", vk::kLeftShift, 255, 17, HotkeyEvent{0, vk::kLeftShift, KeyTransition::KeyUp}, 0},
        {"left_shift", vk::kLeftShift, 0, 0, HotkeyEvent{16, vk::kLeftShift, KeyTransition::KeyDown}, 16},
        {"right_shift", vk::kRightShift, 0, 0, HotkeyEvent{16, vk::kRightShift, KeyTransition::KeyDown}, 16},
        {"left_ctrl", vk::kLeftControl, 0, 0, HotkeyEvent{17, vk::kLeftControl, KeyTransition::KeyDown}, 17},
        {"right_ctrl", vk::kRightControl, 1, 0, HotkeyEvent{17, vk::kRightControl, KeyTransition::KeyDown}, 17},
        {"left_alt", vk::kLeftAlt, 0x20, 0, HotkeyEvent{18, vk::kLeftAlt, KeyTransition::KeyDown}, 18},
        {"right_alt", vk::kRightAlt, 0x21, 0, HotkeyEvent{18, vk::kRightAlt, KeyTransition::KeyDown}, 18},
        {"left_windows", vk::kLeftWindows, 1, 0, HotkeyEvent{91, vk::kLeftWindows, KeyTransition::KeyDown}, 91},
        {"right_windows", vk::kRightWindows, 1, 0, HotkeyEvent{91, vk::kRightWindows, KeyTransition::KeyDown}, 91},
        // Generic codes are not modifier keys here: the hook sees left/right codes.
        {"generic_ctrl_not_recorded", vk::kControl, 0, 0, HotkeyEvent{0, vk::kControl, KeyTransition::KeyDown}, 0},
        {"any_modifier_release_clears", vk::kRightAlt, 0x81, 17, HotkeyEvent{0, vk::kRightAlt, KeyTransition::KeyUp}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::int32_t state = c.state_before;
        EXPECT_EQ(classify_key_event(state, c.vk, c.flags), c.event);
        EXPECT_EQ(state, c.state_after);
    }
}

TEST(HotkeyMessage, RoundTripsEveryEventTheHookMakes) {
    for (const std::int32_t modifier : {0, 16, 17, 18, 91}) {
        for (const std::int32_t key : {1, vk::kLeft, vk::kM, vk::kRightAlt, 0xFE}) {
            for (const KeyTransition t : {KeyTransition::KeyDown, KeyTransition::KeyUp}) {
                const HotkeyEvent event{modifier, key, t};
                const HotkeyMessageParams p = encode_hotkey_message(event);
                EXPECT_EQ(decode_hotkey_message(p.wparam, p.lparam), event);
            }
        }
    }
}

TEST(HotkeyMessage, RefusesParametersTheHookCannotSend) {
    const struct {
        const char* name;
        std::uintptr_t wparam;
        std::intptr_t lparam;
    } cases[] = {
        {"no_transition", vk::kLeft, 17},
        {"unknown_transition", vk::kLeft, 17 | 3 << 16},
        {"unknown_modifier", vk::kLeft, 5 | 2 << 16},
        {"key_out_of_range", 0x1FF, 17 | 2 << 16},
        {"negative", vk::kLeft, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(decode_hotkey_message(c.wparam, c.lparam).has_value());
    }
}

}  // namespace
}  // namespace tq
