// The global hot keys apart from the hook: how a low-level key event becomes
// (modifier, key, transition), which command a combination means, and how the
// hook hands an event to the control panel in a posted message.
#pragma once

#include <cstdint>
#include <optional>

namespace tq {

enum class KeyTransition { KeyDown = 1, KeyUp = 2 };

struct HotkeyEvent {
    std::int32_t modifier = 0;  // modifier_state after the event
    std::int32_t key = 0;       // the virtual-key code
    KeyTransition transition = KeyTransition::KeyDown;
    bool operator==(const HotkeyEvent&) const = default;
};

// Virtual-key codes, written out so this header needs no <windows.h>.
namespace vk {
constexpr std::int32_t kShift = 0x10;
constexpr std::int32_t kControl = 0x11;
constexpr std::int32_t kAlt = 0x12;
constexpr std::int32_t kWindows = 0x5B;  // either Windows key is recorded as the left one
constexpr std::int32_t kLeft = 0x25;
constexpr std::int32_t kUp = 0x26;
constexpr std::int32_t kRight = 0x27;
constexpr std::int32_t kDown = 0x28;
constexpr std::int32_t kM = 0x4D;
constexpr std::int32_t kLeftShift = 0xA0;
constexpr std::int32_t kRightShift = 0xA1;
constexpr std::int32_t kLeftControl = 0xA2;
constexpr std::int32_t kRightControl = 0xA3;
constexpr std::int32_t kLeftAlt = 0xA4;
constexpr std::int32_t kRightAlt = 0xA5;
constexpr std::int32_t kLeftWindows = 0x5B;
constexpr std::int32_t kRightWindows = 0x5C;
}  // namespace vk

// Classifies one key event of the low-level hook by the whole value of its
// flags: below 35 a press, 128 or more a release, anything between (an
// injected press with Alt down, 0x30 or 0x31, among others) is ignored and
// gives none. A press of a modifier records it in modifier_state (16, 17, 18
// or 91); the release of any modifier clears it.
std::optional<HotkeyEvent> classify_key_event(std::int32_t& modifier_state,
                                              std::uint32_t vk_code, std::uint32_t flags);

enum class HotkeyCommand { None, StepBack, StepForward, Pause, Resume, Quit };

// Only the release of a key with Ctrl recorded acts, so presses (also
// auto-repeated ones) never do and one release acts once. Ctrl+Left, Right,
// Up and Down need reading; Ctrl+M quits in every state. Pause means
// stop_timer and then the built-in tray icon with the tip "已暂停".
HotkeyCommand hotkey_command(std::int32_t modifier, std::int32_t key, KeyTransition transition,
                             bool reading);

// The event as the parameters of kHotkeyMessage: wParam the key, lParam the
// modifier in its low 16 bits and the transition above them.
struct HotkeyMessageParams {
    std::uintptr_t wparam = 0;
    std::intptr_t lparam = 0;
};
HotkeyMessageParams encode_hotkey_message(const HotkeyEvent& event);
// None for parameters that encode_hotkey_message cannot have produced.
std::optional<HotkeyEvent> decode_hotkey_message(std::uintptr_t wparam, std::intptr_t lparam);

}  // namespace tq
